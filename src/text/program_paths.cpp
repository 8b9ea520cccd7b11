#include "text/program_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace pc::text {
namespace {

QString& home() {
    static QString dir;
    return dir;
}

QString withSlash(const QString& dir) {
    QString d = QDir::cleanPath(QDir(dir).absolutePath());
    if (!d.endsWith(u'/')) d += u'/';
    return d;
}

QString applicationDir() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QString homeFromArguments(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--home") && i + 1 < arguments.size()) return arguments[i + 1];
        if (a.startsWith(QLatin1String("--home="))) return a.mid(7);
    }
    return {};
}

QString chooseHome(const QStringList& arguments) {
    QString dir = homeFromArguments(arguments);
    if (!dir.isEmpty()) return dir;
    dir = qEnvironmentVariable("POSTCRAFT_HOME");
    if (!dir.isEmpty()) return dir;
    const QString appDir = applicationDir();
    if (!appDir.isEmpty() && QFileInfo(appDir + QStringLiteral("/sysdata")).isDir() &&
        QFileInfo(appDir).isWritable()) {
        return appDir;
    }
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data)) {
        data = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return data + QStringLiteral("/postcraft");
}

void makeFolders(const QString& dir) {
    QDir().mkpath(dir + QStringLiteral("DATA"));
    QDir().mkpath(dir + QStringLiteral("sysdata"));
}

}  // namespace

QString resolveHome(const QStringList& arguments) {
    home() = withSlash(chooseHome(arguments));
    makeFolders(home());
    seedSysdata(installedSysdataDir(), sysdataDir());
    return home();
}

void setHome(const QString& dir) {
    home() = withSlash(dir);
    makeFolders(home());
}

QString homeDir() {
    if (home().isEmpty()) {
        resolveHome(QCoreApplication::instance() ? QCoreApplication::arguments() : QStringList());
    }
    return home();
}

QString settingsPath() {
    return findNoCase(homeDir(), QStringLiteral("POSTCR.ini"));
}
QString dataDir() {
    return homeDir() + QStringLiteral("DATA/");
}
QString sysdataDir() {
    return homeDir() + QStringLiteral("sysdata/");
}
QString mainDictionaryPath() {
    return findNoCase(homeDir(), QStringLiteral("postcr.dct"));
}
QString userDictionaryPath() {
    return findNoCase(homeDir(), QStringLiteral("postcru.dct"));
}

QString installedSysdataDir() {
    const QString appDir = applicationDir();
    if (appDir.isEmpty()) return {};
    for (const QString& candidate : {appDir + QStringLiteral("/sysdata"),
                                     appDir + QStringLiteral("/../share/postcraft/sysdata")}) {
        if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
    }
    return {};
}

namespace {

// A file's group: its folder and its name without extensions, in capitals,
// so a table travels with its memo and index files ("LBLTPL.DBF" with
// "lbltpl.cdx").
QString fileGroup(const QString& relativePath) {
    const QFileInfo info(relativePath);
    return (info.path() + u'/' + info.completeBaseName()).toUpper();
}

QSet<QString> groupsUnder(const QString& dir) {
    QSet<QString> groups;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) groups.insert(fileGroup(QDir(dir).relativeFilePath(it.next())));
    return groups;
}

}  // namespace

bool copyDeliveredFile(const QString& source, const QString& target) {
    QDir().mkpath(QFileInfo(target).path());
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(source, partial)) {
        QFile::remove(partial);
        return false;
    }
    // Installed files are often read-only; the user's copy must not be.
    QFile::setPermissions(partial, QFile::permissions(partial) | QFile::WriteOwner);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

bool seedSysdata(const QString& from, const QString& to) {
    if (from.isEmpty() || !QFileInfo(from).isDir()) return false;
    const QString source = QFileInfo(from).canonicalFilePath();
    QDir target(to);
    if (!target.exists() && !QDir().mkpath(to)) return false;
    // A portable install uses the delivered folder itself.
    if (QFileInfo(to).canonicalFilePath() == source) return false;

    // Delivered files the home lacks are copied in, a group at a time: the
    // user's own tables are never overwritten, nor given an index or memo
    // file that is not theirs.
    const QSet<QString> present = groupsUnder(to);
    bool copied = false;
    bool ok = true;
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(source).relativeFilePath(info.filePath());
        if (present.contains(fileGroup(relative))) continue;
        const QString copy = target.filePath(relative);
        ok = copyDeliveredFile(info.filePath(), copy) && ok;
        copied = true;
    }
    return copied && ok;
}

QString findNoCase(const QString& dir, const QString& name) {
    QString path = dir;
    if (!path.isEmpty() && !path.endsWith(u'/')) path += u'/';
    const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString found = part;
        if (!QFileInfo::exists(path + part)) {
            const QDir folder(path.isEmpty() ? QStringLiteral(".") : path);
            for (const QString& entry :
                 folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        path += found;
        if (i + 1 < parts.size()) path += u'/';
    }
    return path;
}

}  // namespace pc::text
