#pragma once

#include <QString>

// The drill catalogue: title, levels and help page.
namespace catalogue {

constexpr const char* kHelpPage = "/narabitouch.htm";

// drillTitle := "ならびタッチ".
void setTitle();
// Fills levelCount, topLevel, levelNames and timedLevel (at every sign-in).
void fillLevelTables();
// The address of the drill's help page.
QString helpAddress();
// The program's own help pages: the folder "help" beside the program, as a file address
// without the closing "/"; the pages keep the paths of the maker's site under it.
QString helpSite();
// The contents page of the help (what the maker's site root was).
QString helpHomePage();

}  // namespace catalogue
