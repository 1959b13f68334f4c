#pragma once

#include <QString>
#include <exception>
#include <string>

namespace platform {

// Run-time error numbers, as the Windows programs of the family report them.
enum ErrorNumber {
    errOverflow = 6,
    errSubscriptOutOfRange = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errBadFileName = 52,
    errFileNotFound = 53,
    errFileAlreadyOpen = 55,
    errDeviceIO = 57,
    errDiskFull = 61,
    errInputPastEnd = 62,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
};

// A path as a message shows it: "." and ".." resolved, native separators.
QString displayPath(const QString& path);

// Standard description of an error number ("ファイルが見つかりません。" for 53, ...).
QString errorDescription(int number);

// The error number of a failed system call's errno (ENOSPC 61, EROFS and EACCES 70, ...), and
// the system's own text for it.
int errorNumberOfSystemError(int code);
QString systemErrorText(int code);

// A run-time error: it ends the current operation, is shown in a message box at the
// event boundary and then ends the program.
class RuntimeError : public std::exception {
  public:
    RuntimeError(int number, QString file, QString detail = {});

    int number() const { return number_; }
    QString description() const { return errorDescription(number_); }
    const QString& file() const { return file_; }
    const QString& detail() const { return detail_; }
    // The whole text shown to the user: number, description, file and detail.
    QString message() const;
    const char* what() const noexcept override { return what_.c_str(); }

  private:
    int number_;
    QString file_;
    QString detail_;
    std::string what_;
};

}  // namespace platform
