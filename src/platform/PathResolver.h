#pragma once
#include <QString>

// Maps the program's fixed Windows paths ("C:\ImpostazioniProgrammiDorva\...", "c:\windows\fonts\...")
// under one data root, and finds the program's own folder (movies, sounds, pictures, font).
// Every path component is matched without regard to letter case against what exists.
class PathResolver
{
public:
    // Data root; an empty root means the XDG data folder (~/.local/share).
    static void setRoot(const QString &root);
    static QString root();

    // The program's own folder; empty means: found next to the executable.
    static void setProgramFolder(const QString &folder);
    static QString programFolder();

    // A logical path ("C:\x\y", "c:\windows\fonts\f.ttf") or a native one, with either separator,
    // turned into the native path of the file that exists under another letter case, if any.
    static QString native(const QString &path);

private:
    static QString matchCase(const QString &base, const QStringList &components);
};

// The program's folder, as the screens use it: App::Path() + "\suoni\si\".
namespace App {
QString Path();
}
