// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/app_resources.h"
#include "app/shell/file_association.h"
#include "fixtures/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

XdgFolders FoldersIn(const TempFolder& folder) {
    return {folder.Path(QStringLiteral("data")),
            folder.Path(QStringLiteral("config")),
            {folder.Path(QStringLiteral("sysdata"))},
            {folder.Path(QStringLiteral("sysconfig"))}};
}

} // namespace

TEST(FileAssociation, RegisterThenFound) {
    InitAppResources();
    TempFolder folder;
    const XdgFolders folders = FoldersIn(folder);
    EXPECT_TRUE(AssociatedApplication(folders).isEmpty());

    QDir().mkpath(folder.Path(QStringLiteral("config")));
    QFile list(folder.Path(QStringLiteral("config/mimeapps.list")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/plain=editor.desktop\n[Added Associations]\n");
    list.close();

    ASSERT_TRUE(RegisterAssociation(folders, QStringLiteral("/opt/my apps/quadrivel")));
    EXPECT_EQ(AssociatedApplication(folders), QStringLiteral("quadrivel.desktop"));
    const QByteArray mimeApps =
        TempFolder::Read(folder.Path(QStringLiteral("config/mimeapps.list")));
    EXPECT_TRUE(mimeApps.contains("text/plain=editor.desktop")); // other entries kept
    EXPECT_TRUE(mimeApps.contains("[Added Associations]"));
    const QByteArray desktop =
        TempFolder::Read(folder.Path(QStringLiteral("data/applications/quadrivel.desktop")));
    EXPECT_TRUE(desktop.contains("Exec=\"/opt/my apps/quadrivel\" %f\n"));
    EXPECT_TRUE(desktop.contains("MimeType=application/x-quadrivel;"));
    const QByteArray xml =
        TempFolder::Read(folder.Path(QStringLiteral("data/mime/packages/quadrivel.xml")));
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.qdvl\"/>"));

    // Registering twice keeps one entry.
    ASSERT_TRUE(RegisterAssociation(folders, QStringLiteral("/usr/bin/quadrivel")));
    EXPECT_EQ(TempFolder::Read(folder.Path(QStringLiteral("config/mimeapps.list")))
                  .count("application/x-quadrivel="),
              1);
}

TEST(FileAssociation, AnyDefaultCountsAndQuestionText) {
    TempFolder folder;
    const XdgFolders folders = FoldersIn(folder);
    QDir().mkpath(folder.Path(QStringLiteral("sysdata/applications")));
    QFile list(folder.Path(QStringLiteral("sysdata/applications/mimeapps.list")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    // Registered for another program, in a system folder: no question.
    list.write("[Default Applications]\napplication/x-quadrivel=other.desktop\n");
    list.close();
    EXPECT_EQ(AssociatedApplication(folders), QStringLiteral("other.desktop"));

    const QString question = AssociationQuestion();
    EXPECT_TRUE(question.startsWith(QStringLiteral(u"[ESPAÑOL]\r\nEntendiendo que este programa")));
    EXPECT_TRUE(question.contains(QStringLiteral(u"\r\n\r\n[CATALÀ]\r\nEntenent")));
    EXPECT_TRUE(question.endsWith(
        QStringLiteral("Se si rifiuta, si può passare a una posizione migliore per registrare la "
                       "cartella con il programma ...")));
    EXPECT_EQ(question.count(QStringLiteral("\r\n")), 7 * 5 - 1 + 6);

    const XdgFolders fromEnvironment = XdgFoldersFrom([] {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/ana"));
        return environment;
    }());
    EXPECT_EQ(fromEnvironment.dataHome, QStringLiteral("/home/ana/.local/share"));
    EXPECT_EQ(fromEnvironment.configHome, QStringLiteral("/home/ana/.config"));
    EXPECT_EQ(fromEnvironment.dataDirs,
              (QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}));
}

TEST(FileAssociation, InstalledProgramUsesItsOwnDesktopEntry) {
    TempFolder folder;
    XdgFolders folders = FoldersIn(folder);
    const QString prefix = folder.Path(QStringLiteral("prefix"));
    QDir().mkpath(prefix + QStringLiteral("/share/applications"));
    folder.Write(QStringLiteral("prefix/share/applications/quadrivel.desktop"),
                 "[Desktop Entry]\n");
    const QString program = prefix + QStringLiteral("/bin/quadrivel");
    const QString userEntry = folder.Path(QStringLiteral("data/applications/quadrivel.desktop"));

    folders.dataDirs.append(prefix + QStringLiteral("/share/"));
    ASSERT_TRUE(RegisterAssociation(folders, program));
    EXPECT_EQ(AssociatedApplication(folders), QStringLiteral("quadrivel.desktop"));
    EXPECT_FALSE(QFileInfo::exists(userEntry));
    EXPECT_FALSE(QFileInfo::exists(folder.Path(QStringLiteral("data/mime"))));

    // A prefix the desktop does not read: the user's entry names the installed program.
    folders.dataDirs.removeLast();
    ASSERT_TRUE(RegisterAssociation(folders, program));
    EXPECT_TRUE(TempFolder::Read(userEntry).contains("Exec=" + program.toUtf8() + " %f\n"));
}
