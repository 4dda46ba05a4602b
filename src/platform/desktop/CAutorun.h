// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Starts the program at logon: an XDG autostart entry on Linux, the Run key on Windows.
class CAutorun {
  public:
    // name: the entry's name ("Hourglint"); executable: the program to start.
    explicit CAutorun(QString name, QString executable);

    // On: the entry starts the executable. Off: the entry stays but starts nothing.
    // Returns false when the entry could not be written; the caller carries on silently.
    bool Set(bool enable) const;
    // Whether logging on really starts this executable: the entry exists, is not switched
    // off and names this program. Whatever the stored setting says.
    bool IsEnabled() const;

#ifndef _WIN32
    // ~/.config/autostart/<name>.desktop, honouring XDG_CONFIG_HOME.
    QString EntryPath() const;
    // The Exec= value for path, quoted and escaped as desktop entries require.
    static QString ExecValue(const QString& path);
    // The program an Exec= value starts (its first argument, unquoted); empty when none.
    static QString ExecProgram(const QString& value);
#endif

  private:
    QString name_;
    QString executable_;
};
