#pragma once

#include <QString>

#include "setup/family_layout.h"

// The checks of what the set-up command is given; each refusal names the option.

// The program's own message when the home-use roster is full, and what it means.
QString homeUseLimitMessage();

// A whole number from min to max, or a refusal naming what it is.
int wholeNumber(const QString& text, const QString& what, int min, int max);

// A student of --name and --birth-year or of NAME,BIRTHYEAR, for the given school year.
NewStudent checkedStudent(const QString& name, const QString& yearText, const QString& nameWhat,
                          const QString& yearWhat, int schoolYear);

// A path as the messages show it.
QString shown(const QString& path);
