// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A settings value with all 25 keys away from their defaults.
ProgramSettings Unusual() {
    ProgramSettings s;
    s.decimalPlaces = 5;
    s.characterSet = 204;
    s.rulerKind = 3;
    s.currentLanguage = 7;
    s.leftMouseMode = LeftMouseMode::EditCell;
    for (int i = 0; i < kCopyFlagCount; ++i)
        s.copyFlags[size_t(i)] = i % 3 == 0 ? 1 : 0;
    s.copyFlag(CopyFlag::Division) = -4;
    s.exportScale = 3;
    s.exportTransparent = 1;
    return s;
}

const QByteArray kUnusualText = "[General]\r\n"
                                "decimales=5\r\n"
                                "caracteres=204\r\n"
                                "Regleta=3\r\n"
                                "Idioma=7\r\n"
                                "RatonIzquierdo=2\r\n"
                                "[Config Copia]\r\n"
                                "Colfondo=1\r\n"
                                "Colfuente=0\r\n"
                                "Fuente=0\r\n"
                                "Tama\xF1o=1\r\n"
                                "Negrita=0\r\n"
                                "Italica=0\r\n"
                                "Subrayado=1\r\n"
                                "Tachado=0\r\n"
                                "Leading=0\r\n"
                                "Texto=1\r\n"
                                "Imagen=0\r\n"
                                "Icono=0\r\n"
                                "Alineacion=1\r\n"
                                "Tipo Numero=0\r\n"
                                "Permite Numero=0\r\n"
                                "Sumatorios=1\r\n"
                                "Resta=0\r\n"
                                "Porcentaje=0\r\n"
                                "Multiplicacion=1\r\n"
                                "Division=-4\r\n"
                                "[Exportar]\r\n"
                                "Escala=3\r\n"
                                "Transparente=1\r\n";

const FolderWritable kNeverWritable = [](const QString&) { return false; };
const FolderWritable kAlwaysWritable = [](const QString&) { return true; };

QProcessEnvironment Environment(std::initializer_list<std::pair<const char*, QString>> values) {
    QProcessEnvironment environment;
    for (const auto& [name, value] : values)
        environment.insert(QLatin1String(name), value);
    return environment;
}

} // namespace

TEST(SettingsFile, NoFileGivesTheDefaults) {
    QTemporaryDir dir;
    const ProgramSettings s = LoadSettings(SettingsFilePath(dir.path()));
    EXPECT_EQ(s.currentLanguage, 1); // Spanish
    EXPECT_EQ(s.rulerKind, 1);
    EXPECT_EQ(s.decimalPlaces, 2);
    EXPECT_EQ(s.characterSet, 0);
    EXPECT_EQ(s.exportScale, 1);
    EXPECT_EQ(s.exportTransparent, 0);
    for (int i = 0; i < kCopyFlagCount; ++i)
        EXPECT_EQ(s.copyFlags[size_t(i)], 1) << i;
    EXPECT_TRUE(s.copies(CopyFlag::Icon));
    EXPECT_EQ(ReadSettings(QByteArray()), ProgramSettings());
    EXPECT_FALSE(QFile::exists(SettingsFilePath(dir.path()))); // reading creates nothing
}

TEST(SettingsFile, ValuesAreReadAsAWindowsAtoi) {
    const auto ruler = [](const char* value) {
        return ReadSettings(QByteArray("[General]\r\nRegleta=") + value + "\r\n").rulerKind;
    };
    EXPECT_EQ(ruler("3abc"), 3);
    EXPECT_EQ(ruler("abc"), 0);
    EXPECT_EQ(ruler(""), 0);
    EXPECT_EQ(ruler("-2"), -2);
    EXPECT_EQ(ruler("+7x"), 7);
    EXPECT_EQ(ruler("- 2"), 0);
    EXPECT_EQ(ruler("--2"), 0);
    EXPECT_EQ(ruler("0012"), 12);
    EXPECT_EQ(ruler("2.9"), 2);
    EXPECT_EQ(ruler("\"3\""), 3); // a profile reader drops matching quotes
    EXPECT_EQ(ruler("99999999999999999999"), 2147483647);
    EXPECT_EQ(ruler("-99999999999999999999"), -2147483647 - 1);
    // A left mouse mode the program does not know is kept as the number it was.
    const ProgramSettings unknownMode = ReadSettings("[General]\nRatonIzquierdo=9\n");
    EXPECT_EQ(int32_t(unknownMode.leftMouseMode), 9);
    EXPECT_TRUE(SettingsBytes(unknownMode).contains("RatonIzquierdo=9\r\n"));
    // The 16-bit settings keep the low 16 bits.
    EXPECT_EQ(ReadSettings("[General]\ndecimales=70000\ncaracteres=-1\n").decimalPlaces, 4464);
    EXPECT_EQ(ReadSettings("[General]\ndecimales=70000\ncaracteres=-1\n").characterSet, -1);
}

TEST(SettingsFile, SaveWritesTheProfileLayoutAndReadsBack) {
    QTemporaryDir dir;
    const QString path = SettingsFilePath(dir.path());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Quadrivel.ini")));
    ASSERT_TRUE(SaveSettings(path, Unusual()).ok());
    const QByteArray bytes = ReadBytes(path);
    EXPECT_EQ(bytes, kUnusualText);
    EXPECT_EQ(bytes.count('\xF1'), 1); // "Tamaño" in Windows-1252
    EXPECT_EQ(LoadSettings(path), Unusual());
    // Saving again replaces the file whole.
    ASSERT_TRUE(SaveSettings(path, ProgramSettings()).ok());
    EXPECT_EQ(LoadSettings(path), ProgramSettings());
    EXPECT_EQ(ReadBytes(path).count("\r\n"), 30);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("Quadrivel.ini")});
}

TEST(SettingsFile, ReadsFilesOfOtherWritersAndEditors) {
    // LF line ends, blanks around "=", other case, sections swapped, unknown keys, sections
    // and comments, "Tamaño" in UTF-8.
    const QByteArray edited = "; my settings\n"
                              "Idioma=3\n"
                              "[config copia]\n"
                              "  Fuente = 0  \n"
                              "Tama\xC3\xB1o=0\n"
                              "Extra=9\n"
                              "Negrita\n"
                              "[Other]\n"
                              "Regleta=2\n"
                              "[GENERAL]\n"
                              "\tregleta\t=\t3\n"
                              "Regleta=1\n"
                              "decimales=4 ; four\n";
    const ProgramSettings s = ReadSettings(edited);
    EXPECT_EQ(s.currentLanguage, 1); // before any section: ignored
    EXPECT_EQ(s.rulerKind, 3);       // the first of two, not the one of [Other]
    EXPECT_EQ(s.decimalPlaces, 4);
    EXPECT_EQ(s.copyFlag(CopyFlag::FontName), 0);
    EXPECT_EQ(s.copyFlag(CopyFlag::FontSize), 0);
    EXPECT_EQ(s.copyFlag(CopyFlag::Bold), 1); // no "=": missing
    EXPECT_EQ(s.copyFlag(CopyFlag::TextColour), 1);

    // The exact text of a file made by the Windows program, with a key in the wrong section.
    QByteArray windows = kUnusualText;
    windows.replace("Idioma=7\r\n", "");
    windows.append("Idioma=6\r\n");
    ProgramSettings expected = Unusual();
    expected.currentLanguage = 1;
    EXPECT_EQ(ReadSettings(windows), expected);
}

TEST(SettingsFile, FolderFallsBackWhenTheProgramFolderIsReadOnly) {
    const QString program = QStringLiteral("/opt/quadrivel");
    const QProcessEnvironment env = Environment(
        {{"XDG_CONFIG_HOME", QStringLiteral("/tmp/cfg/")}, {"HOME", QStringLiteral("/home/u")}});
    EXPECT_EQ(SettingsFolder(program, env, kAlwaysWritable), program);
    EXPECT_EQ(SettingsFolder(program, env, kNeverWritable), QStringLiteral("/tmp/cfg/quadrivel"));
    EXPECT_EQ(
        SettingsFolder(program, Environment({{"HOME", QStringLiteral("/home/u")}}), kNeverWritable),
        QStringLiteral("/home/u/.config/quadrivel"));
    EXPECT_EQ(SettingsFolder(program,
                             Environment({{"XDG_CONFIG_HOME", QStringLiteral("relative/cfg")},
                                          {"HOME", QStringLiteral("/home/u")}}),
                             kNeverWritable),
              QStringLiteral("/home/u/.config/quadrivel"));
    // Nowhere to go: the program folder, where saving will report its failure.
    EXPECT_EQ(SettingsFolder(program, QProcessEnvironment(), kNeverWritable), program);

    // The real check, with folders that even root cannot write into.
    QTemporaryDir dir;
    EXPECT_TRUE(IsFolderWritable(dir.path()));
    EXPECT_FALSE(IsFolderWritable(QStringLiteral("/proc/quadrivel-missing")));
    EXPECT_FALSE(IsFolderWritable(dir.filePath(QStringLiteral("missing"))));
    const QProcessEnvironment temp = Environment({{"XDG_CONFIG_HOME", dir.path()}});
    const QString folder = SettingsFolder(QStringLiteral("/proc/quadrivel-missing"), temp);
    EXPECT_EQ(folder, dir.filePath(QStringLiteral("quadrivel")));
    EXPECT_EQ(SettingsFolder(dir.path(), temp), dir.path());

    // Saving creates the fallback folder; reading uses the same place.
    const QString path = SettingsFilePath(folder);
    ASSERT_TRUE(SaveSettings(path, Unusual()).ok());
    EXPECT_EQ(LoadSettings(path), Unusual());
}

TEST(SettingsFile, FailedSaveIsReported) {
    const Status status =
        SaveSettings(QStringLiteral("/proc/quadrivel-missing/Quadrivel.ini"), Unusual());
    EXPECT_EQ(status.code, StatusCode::WriteFailed);
    EXPECT_TRUE(status.detail.contains(QStringLiteral("Quadrivel.ini")));

    // A folder in place of the file: the old content is not touched.
    QTemporaryDir dir;
    const QString path = SettingsFilePath(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Quadrivel.ini")));
    EXPECT_EQ(SaveSettings(path, Unusual()).code, StatusCode::WriteFailed);
    EXPECT_EQ(LoadSettings(path), ProgramSettings());
}

TEST(SettingsFile, KeysOfOneSectionStayInIt) {
    QTemporaryDir dir;
    const QString path = SettingsFilePath(dir.path());
    WriteBytes(path, "[Config Copia]\r\ndecimales=6\r\n[General]\r\nColfondo=0\r\n");
    const ProgramSettings s = LoadSettings(path);
    EXPECT_EQ(s.decimalPlaces, 2);
    EXPECT_EQ(s.copyFlag(CopyFlag::BackColour), 1);
}
