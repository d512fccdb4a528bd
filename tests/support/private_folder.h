#pragma once

#include <QFile>
#include <QTemporaryDir>

// A folder of a test case's own, named in one of the user's folder variables (XDG_CONFIG_HOME,
// XDG_STATE_HOME), so that the user's real files are never touched.
class PrivateFolder : public QTemporaryDir {
public:
    explicit PrivateFolder(const char* variable) { qputenv(variable, path().toUtf8()); }
    // A case may have taken the folder's rights away; they come back so that it can be removed.
    ~PrivateFolder() {
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Root may write where permissions say no; such cases cannot be shown under root.
    bool permissionsApply() const {
        QFile probe(filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            return false;
        }
        return true;
    }
};
