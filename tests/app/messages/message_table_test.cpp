// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messages/message_table.h"
#include "model/windows1252.h"

#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <utility>

namespace {

QString Q(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

struct GroupShape {
    int group;
    int entries;
    int fieldSize;
};

// Every assigned group with its entry count and field size, and the added groups after them.
// clang-format off
constexpr GroupShape kShapes[] = {
    {1, 4, 120},   {2, 6, 120},   {3, 6, 120},   {4, 1, 120},   {5, 1, 120},  {6, 4, 120},
    {7, 4, 120},   {8, 1, 120},   {9, 1, 120},   {10, 1, 150},  {11, 1, 100}, {12, 2, 100},
    {13, 11, 100}, {14, 4, 200},  {15, 4, 200},  {16, 3, 220},  {17, 1, 120}, {18, 14, 100},
    {19, 7, 100},  {20, 1, 100},  {21, 2, 100},  {22, 4, 200},  {24, 1, 100}, {26, 1, 100},
    {27, 2, 100},  {28, 1, 100},  {30, 17, 100}, {31, 10, 100}, {32, 1, 100}, {33, 1, 100},
    {34, 2, 100},  {35, 3, 100},  {36, 1, 100},  {37, 1, 100},  {38, 2, 100}, {39, 1, 100},
    {40, 2, 100},  {41, 1, 100},  {42, 1, 100},  {44, 1, 100},  {45, 1, 100}, {46, 1, 100},
    {47, 1, 100},  {48, 2, 100},  {49, 1, 100},  {50, 1, 100},  {51, 1, 100}, {52, 4, 100},
    {54, 1, 100},  {57, 1, 100},  {58, 2, 100},  {59, 1, 100},  {60, 1, 100}, {61, 1, 100},
    {62, 2, 100},  {63, 1, 100},  {64, 2, 100},  {65, 5, 100},  {66, 2, 100}, {67, 1, 100},
    {68, 11, 100}, {69, 9, 100},  {70, 7, 100},  {71, 11, 100}, {72, 2, 100}, {73, 5, 200},
    {74, 2, 100},  {75, 10, 100}, {76, 5, 120},  {77, 17, 100}, {78, 2, 100}, {79, 1, 100},
    {80, 7, 100},  {81, 21, 100}, {82, 2, 200}, {84, 25, 100}, {86, 11, 200}, {87, 15, 200},
    {90, 1, 100},
};
// clang-format on

struct EnglishText {
    int group;
    int entry;
    std::u16string_view text;
};

// The English wording of every message (21.2 is checked on its own: its address is ours).
constexpr EnglishText kEnglishList[] = {
    {1, 1, u"Horizontal title bar"},
    {1, 2, u"Vertical title bar"},
    {1, 3, u"Horizontal lines with cell areas"},
    {1, 4, u"Vertical lines with cell areas"},
    {2, 1, u"Title bar"},
    {2, 2, u"Horizontal"},
    {2, 3, u"Line color"},
    {2, 4, u"Background color"},
    {2, 5, u"Vertical"},
    {2, 6, u"Exit"},
    {3, 1, u"Access with your password ..."},
    {3, 2, u"New"},
    {3, 3, u"Copy"},
    {3, 4, u"Paste"},
    {3, 5, u"Accept"},
    {3, 6, u"Exit"},
    {4, 1, u"Password"},
    {5, 1, u"File browser for icons"},
    {6, 1, u"Division of your column from"},
    {6, 2, u"to"},
    {6, 3, u"Division of its row of"},
    {6, 4, u"between"},
    {7, 1, u"Multiplication of your column from"},
    {7, 2, u"to"},
    {7, 3, u"Multiplication of its row of"},
    {7, 4, u"with"},
    {8, 1, u"File browser for image or photo"},
    {9, 1, u"Exported to JPEG cut"},
    {10, 1, u"Error initializing GDI+ ... (The program needs XP or higher ...)"},
    {11, 1, u"File browser for JPEG"},
    {12, 1, u"Total number of decimal places"},
    {12, 2, u"decimals"},
    {13, 1, u"Hangeul"},
    {13, 2, u"Chinese"},
    {13, 3, u"Greek"},
    {13, 4, u"Turkish"},
    {13, 5, u"Hebrew"},
    {13, 6, u"Arab"},
    {13, 7, u"Baltic"},
    {13, 8, u"Russian"},
    {13, 9, u"Thai"},
    {13, 10, u"Eastern Europe"},
    {13, 11, u"Character set"},
    {14, 1, u"Percentage of your"},
    {14, 2, u"% column of"},
    {14, 3, u"Percentage of your row of"},
    {14, 4, u"% of"},
    {15, 1, u"Subtract from your column from"},
    {15, 2, u"to"},
    {15, 3, u"Subtract from your row of"},
    {15, 4, u"with"},
    {16, 1, u"Sum of your column from "},
    {16, 2, u" to "},
    {16, 3, u"Sum of your row from "},
    {17, 1, u"Quadrivel"},
    {18, 1, u"Copy configurator"},
    {18, 2, u"Select all fields"},
    {18, 3, u"Text"},
    {18, 4, u"Image"},
    {18, 5, u"Alignment"},
    {18, 6, u"Numeric format is allowed"},
    {18, 7, u"Number format type"},
    {18, 8, u"Deselect all fields"},
    {18, 9, u"Summation"},
    {18, 10, u"Subtraction"},
    {18, 11, u"Percentages"},
    {18, 12, u"Icon"},
    {18, 13, u"Multiplication"},
    {18, 14, u"Division"},
    {19, 1, u"English decimal format"},
    {19, 2, u"English integer format"},
    {19, 3, u"Unformatted, English decimal"},
    {19, 4, u"Spanish decimal format"},
    {19, 5, u"Spanish integer format"},
    {19, 6, u"Unformatted, Spanish decimal"},
    {19, 7, u"Unformatted, Integer (English / Spanish)"},
    {20, 1, u"Number with format"},
    {21, 1, u"Velmora thanks you for using this program."},
    {22, 1, u"Understanding that this program needs to register for better performance :"},
    {22, 2, u"You want to record the program at the current location ?"},
    {22, 3, u"If you accept, you are advised to not move this program and its folder where this."},
    {22, 4,
     u"If you decline, you can move to a better location to record the folder with the program "
     u"..."},
    {24, 1, u"You really want to exit the program ?"},
    {26, 1, u"The table has been retouched ..."},
    {27, 1, u"You have reached the limit of Columns"},
    {27, 2, u"Feeling it a lot, I can not delete"},
    {28, 1, u"You have reached the limit of Rows"},
    {30, 1, u"Test"},
    {30, 2, u"Text properties"},
    {30, 3, u"Type of Source"},
    {30, 4, u"Size"},
    {30, 5, u"Bold"},
    {30, 6, u"Italic"},
    {30, 7, u"Underline"},
    {30, 8, u"Strikeout"},
    {30, 9, u"Styles"},
    {30, 10, u"Background Color"},
    {30, 11, u"Font Color"},
    {30, 12, u"Alignment Left"},
    {30, 13, u"Alignment to Right"},
    {30, 14, u"Alignment to Center"},
    {30, 15, u"Justified alignment"},
    {30, 16, u"Vertical alignment up"},
    {30, 17, u"Center aligned vertical alignment"},
    {31, 1, u"Width"},
    {31, 2, u"Height"},
    {31, 3, u"New Table"},
    {31, 4, u"Approximate Vista"},
    {31, 5, u"Rows"},
    {31, 6, u"Columns"},
    {31, 7, u"Color paper"},
    {31, 8, u"Color lines "},
    {31, 9, u"Thickness of lines"},
    {31, 10, u"Choose separator in pixels"},
    {32, 1, u" separator"},
    {33, 1, u" thickness"},
    {34, 1, u"You must complete all fields ..."},
    {34, 2, u"Thank You !!"},
    {35, 1, u"The table exceeds the maximum size allowed ..."},
    {35, 2, u"The maximum size is "},
    {35, 3, u"The size you are requesting is "},
    {36, 1, u"Color Caught"},
    {37, 1, u"You have reached the limit of rows ..."},
    {38, 1, u"You have reached the limit of columns ..."},
    {38, 2, u"Feeling it a lot, I can not Insert"},
    {39, 1, u"Feeling it so much I can not join Vertical cells ..."},
    {40, 1, u"Feeling it so much I can not join Horizontal cells ..."},
    {40, 2, u"It has not been chosen correction ..."},
    {41, 1, u"You can try a work file from a previous version ..."},
    {42, 1, u"Wrong format file ..."},
    {44, 1, u"Reset"},
    {45, 1, u"Get out"},
    {46, 1, u"File"},
    {47, 1, u"Your favorite colors load them and save them"},
    {48, 1, u"RESET really want ?"},
    {48, 2, u"All your favorite colors will be lost"},
    {49, 1, u"To save changes before exiting ?"},
    {50, 1, u"My favorite colors are filed"},
    {51, 1, u"Selected color"},
    {52, 1, u"Filename"},
    {52, 2, u"Filename without extension"},
    {52, 3, u"Accept"},
    {52, 4, u"Cancel"},
    {54, 1, u"Exported to cut bitmap .."},
    {57, 1, u"To block cell : "},
    {58, 1, u"File exists ..."},
    {58, 2, u"Overwrite ?"},
    {59, 1, u"To override cell : "},
    {60, 1, u"To copy cell : "},
    {61, 1, u"To paste cell : "},
    {62, 1, u"To clear cell : "},
    {62, 2, u"Select cell ..."},
    {63, 1, u"Programmer"},
    {64, 1, u"Work file : "},
    {64, 2, u"Not Exist ..."},
    {65, 1, u"Width : "},
    {65, 2, u" Height : "},
    {65, 3, u" Rows : "},
    {65, 4, u" Columns : "},
    {65, 5, u" Separation : "},
    {66, 1, u"For bitmap file browser"},
    {66, 2, u"All Files"},
    {67, 1, u"Languages"},
    {68, 1, u"Table"},
    {68, 2, u"Merge Cells Horizontal"},
    {68, 3, u"Vertical Merge Cells"},
    {68, 4, u"Cancel Cell"},
    {68, 5, u"Insert Column"},
    {68, 6, u"Insert Row"},
    {68, 7, u"Remove Last Column"},
    {68, 8, u"Remove Last Row"},
    {68, 9, u"Reset table"},
    {68, 10, u"Title bar"},
    {68, 11, u"View commands"},
    {69, 1, u"Mouse"},
    {69, 2, u"Left"},
    {69, 3, u"Cell selector"},
    {69, 4, u"Edit Text and Colors"},
    {69, 5, u"Insert image"},
    {69, 6, u"Right"},
    {69, 7, u"Capturing Color"},
    {69, 8, u"My Favorite Colors"},
    {69, 9, u"Insert Icon"},
    {70, 1, u"Edit"},
    {70, 2, u"Copy cell"},
    {70, 3, u"Paste cell"},
    {70, 4, u"Clear cell"},
    {70, 5, u"Select all"},
    {70, 6, u"Undo"},
    {70, 7, u"To update"},
    {71, 1, u"Operations"},
    {71, 2, u"New"},
    {71, 3, u"Read file"},
    {71, 4, u"Read Format Previous"},
    {71, 5, u"Record file"},
    {71, 6, u"Export to Bitmap"},
    {71, 7, u"Bitmap Export to cut"},
    {71, 8, u"Configuration"},
    {71, 9, u"Author"},
    {71, 10, u"Exit the program"},
    {71, 11, u"Export to cut JPEG"},
    {76, 1, u"Export picture"},
    {76, 2, u"Copy picture"},
    {76, 3, u"Scale"},
    {76, 4, u"Transparent background"},
    {76, 5, u"The export cannot overwrite the open work file: "},
    {79, 1, u"The file holds more than its table; the rest was not read: "},
    {80, 1, u"A recovery copy with unsaved changes was found for:"},
    {80, 3, u"Restore"},
    {80, 6, u"The recovery copy could not be written: "},
    {81, 1, u"Table style…"},
    {81, 12, u"Plain grid"},
};

// The rows given in all seven languages, in language order.
struct GivenRow {
    int group;
    int entry;
    std::array<std::u16string_view, kLanguageCount> texts;
};

// clang-format off
constexpr GivenRow kGiven[] = {
{22, 1, {u"Entendiendo que este programa necesita registrarse para su mejor funcionamiento :", u"Entendendo que este programa precisa se registrar para um melhor desempenho :", u"Comprendre que ce programme doit enregistrer pour de meilleures performances :", u"Das Verständnis, dass dieses Programm braucht, um für eine bessere Leistung zu registrieren :", u"Understanding that this program needs to register for better performance :", u"Capire che questo programma ha bisogno di registrarsi per migliorare le prestazioni :", u"Entenent que aquest programa necessita registrar-se per al seu millor funcionament :"}},
{22, 2, {u"Quiere registrar el programa en la ubicación actual ?", u"Quer gravar o programa no local atual ?", u"Vous voulez enregistrer le programme à l'emplacement actuel ?", u"Möchten Sie das Programm an der aktuellen Position aufzeichnen ?", u"You want to record the program at the current location ?", u"Vuoi registrare il programma in corrispondenza della posizione attuale ?", u"Vol registrar el programa en la ubicació actual ?"}},
{22, 3, {u"Si acepta, se le aconseja que no mueva este programa y su carpeta de donde esta.", u"Se aceitar, você é aconselhado a não mover este programa ea respectiva pasta onde esta.", u"Si vous acceptez, il vous est conseillé de ne pas bouger de ce programme et de son dossier où cette.", u"Wenn Sie akzeptieren, wird empfohlen, dieses Programm nicht mehr bewegen und ihre Ordner, in dem Sie diese.", u"If you accept, you are advised to not move this program and its folder where this.", u"Se si accetta, si consiglia di non spostare questo programma e la sua cartella in cui questo.", u"Si accepta, se li aconsella que no mogui aquest programa i la seva carpeta d'on aquesta."}},
{22, 4, {u"Si no acepta, puede mover la carpeta con el programa a una ubicación mejor para registrar ...", u"Se recusar, você pode mover para uma melhor localização para gravar a pasta com o programa ...", u"Si vous refusez, vous pouvez passer à un meilleur emplacement pour enregistrer le dossier avec le programme ...", u"Wenn Sie ablehnen, können Sie zu einem besseren Ort zu bewegen, um den Ordner mit dem Programm aufzunehmen ...", u"If you decline, you can move to a better location to record the folder with the program ...", u"Se si rifiuta, si può passare a una posizione migliore per registrare la cartella con il programma ...", u"Si no accepta, pot moure la carpeta amb el programa a una ubicació millor per registrar ..."}},
{63, 1, {u"Programador", u"Programador", u"Programmeur", u"Programmierer", u"Programmer", u"Programmatore", u"Programador"}},
{24, 1, {u"Realmente deseas salir del programa ?", u"Você realmente quer sair do programa ?", u"Vous voulez vraiment quitter le programme ?", u"Sie, um das Programm zu beenden möchte wirklich ?", u"You really want to exit the program ?", u"Sei sicuro di voler uscire dal programma ?", u"Realment vols sortir del programa ?"}},
{26, 1, {u"La tabla ha sido retocada ...", u"A tabela foi retocada ...", u"Le tableau a été retouchée ...", u"Die Tabelle retouched ...", u"The table has been retouched ...", u"La tabella è stata ritoccata ...", u"La taula ha estat retocada ..."}},
{68, 5, {u"Insertar Columna", u"Inserir coluna", u"Insérer une colonne", u"Spalte einfügen", u"Insert Column", u"Inserisci colonna", u"Inserir Columna"}},
{17, 1, {u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel"}},
{21, 1, {u"Velmora te da las Gracias por usar este programa.", u"Velmora graças por usar este programa.", u"Velmora vous remercie d'utiliser ce programme.", u"Velmora Dank dieses Programm für die Verwendung.", u"Velmora thanks you for using this program.", u"Velmora vi ringrazia per l'utilizzo di questo programma.", u"Velmora et dóna les Gràcies per utilitzar aquest programa"}},
};
// clang-format on

// Runs of two or more dots, the ellipses a translation has to keep.
QStringList Ellipses(const QString& text) {
    QStringList runs;
    auto it = QRegularExpression(QStringLiteral("\\.{2,}")).globalMatch(text);
    while (it.hasNext())
        runs.append(it.next().captured());
    return runs;
}

} // namespace

TEST(MessageTable, EnglishColumnMatchesEveryListedEntry) {
    for (const EnglishText& expected : kEnglishList) {
        EXPECT_EQ(MessageIn(kEnglish, expected.group, expected.entry), Q(expected.text))
            << expected.group << "." << expected.entry;
    }
    // Every message of the Windows program (the groups before 72) is listed, but 21.2.
    const auto original =
        std::count_if(MessageTexts().begin(), MessageTexts().end(),
                      [](const MessageText& t) { return t.group < kFailureGroup; });
    const auto listed = std::count_if(std::begin(kEnglishList), std::end(kEnglishList),
                                      [](const EnglishText& t) { return t.group < kFailureGroup; });
    EXPECT_EQ(listed + 1, original);
}

TEST(MessageTable, GivenRowsStandVerbatimInAllLanguages) {
    for (const GivenRow& row : kGiven) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            EXPECT_EQ(MessageIn(language, row.group, row.entry), Q(row.texts[size_t(language - 1)]))
                << row.group << "." << row.entry << " language " << language;
        }
    }
}

TEST(MessageTable, GroupsHaveTheirEntriesAndFieldSizes) {
    std::set<int> assigned;
    for (const GroupShape& shape : kShapes) {
        assigned.insert(shape.group);
        EXPECT_EQ(MessageEntryCount(shape.group), shape.entries) << shape.group;
        EXPECT_EQ(MessageFieldSize(shape.group), shape.fieldSize) << shape.group;
        for (int entry = 1; entry <= shape.entries; ++entry)
            EXPECT_FALSE(MessageIn(kEnglish, shape.group, entry).isEmpty());
        EXPECT_TRUE(MessageIn(kEnglish, shape.group, shape.entries + 1).isEmpty());
    }
    for (int group : {23, 25, 29, 43, 53, 55, 56}) {
        EXPECT_FALSE(assigned.count(group));
        EXPECT_EQ(MessageEntryCount(group), 0) << group;
        EXPECT_EQ(MessageFieldSize(group), 0) << group;
        EXPECT_TRUE(MessageIn(kSpanish, group, 1).isEmpty());
    }
    // The lookup relies on the order by group and entry, without gaps in the entries.
    const auto texts = MessageTexts();
    for (size_t i = 1; i < texts.size(); ++i) {
        const bool sameGroupNext =
            texts[i].group == texts[i - 1].group && texts[i].entry == texts[i - 1].entry + 1;
        const bool nextGroup = texts[i].group > texts[i - 1].group && texts[i].entry == 1;
        EXPECT_TRUE(sameGroupNext || nextGroup) << texts[i].group << "." << texts[i].entry;
    }
}

// Every name the code uses stands for a message of the table, and no two names for one.
TEST(MessageTable, EveryNamedMessageIsInTheTableOnce) {
    std::set<std::pair<int, int>> named;
    for (const MessageId& id : msg::kAll) {
        EXPECT_FALSE(MessageIn(kEnglish, id.group, id.entry).isEmpty())
            << id.group << "." << id.entry;
        EXPECT_TRUE(named.insert({id.group, id.entry}).second) << id.group << "." << id.entry;
    }
    EXPECT_EQ(MessageTable(kEnglish).Message(msg::kCannotJoinHorizontally),
              MessageIn(kEnglish, 40, 1));
}

TEST(MessageTable, EveryTextFitsItsFieldInWindows1252AndKeepsTheEnglishShape) {
    for (const MessageText& text : MessageTexts()) {
        const int fieldSize = MessageFieldSize(text.group);
        const QString english = Q(text.texts[kEnglish - 1]);
        for (int language = 1; language <= kLanguageCount; ++language) {
            const QString value = Q(text.texts[size_t(language - 1)]);
            const QByteArray bytes = EncodeWindows1252(value);
            SCOPED_TRACE(QStringLiteral("%1.%2 language %3: %4")
                             .arg(text.group)
                             .arg(text.entry)
                             .arg(language)
                             .arg(value)
                             .toStdString());
            EXPECT_FALSE(value.isEmpty());
            EXPECT_EQ(DecodeWindows1252(bytes), value); // nothing outside the code page
            EXPECT_LE(bytes.size(), fieldSize - 1);     // room for the terminator
            EXPECT_FALSE(bytes.contains('\0'));
            EXPECT_EQ(value.startsWith(u' '), english.startsWith(u' '));
            EXPECT_EQ(value.endsWith(u' '), english.endsWith(u' '));
            EXPECT_FALSE(value.contains(QStringLiteral("  ")));
            EXPECT_EQ(Ellipses(value), Ellipses(english));
        }
    }
}

TEST(MessageTable, MakersLineEndsWithTheAddressAndAnInvitation) {
    const QString address = QStringLiteral("www.example.org");
    for (int language = 1; language <= kLanguageCount; ++language) {
        const QString line = MessageIn(language, 21, 2);
        const qsizetype at = line.indexOf(address);
        ASSERT_GT(at, 0) << language;
        // After the address only the invitation to visit it.
        const QString invitation = line.mid(at + address.size());
        EXPECT_GE(invitation.size(), 8) << language;
        EXPECT_FALSE(invitation.contains(u'.')) << language;
    }
    EXPECT_EQ(MessageIn(kEnglish, 21, 2),
              QStringLiteral("A program made for all users - www.example.org - Visit us!"));
}

TEST(MessageTable, FailureMessagesAfterTheLastGroup) {
    EXPECT_EQ(MessageIn(kEnglish, kFailureGroup, kSaveFailedEntry),
              QStringLiteral("The file could not be saved: "));
    EXPECT_EQ(MessageIn(kEnglish, kFailureGroup, kExportFailedEntry),
              QStringLiteral("The picture could not be exported: "));
    EXPECT_EQ(MessageIn(kSpanish, kFailureGroup, kSaveFailedEntry),
              QStringLiteral("No se pudo guardar el archivo: "));
    EXPECT_EQ(MessageIn(kGerman, kFailureGroup, kExportFailedEntry),
              QStringLiteral("Das Bild konnte nicht exportiert werden: "));
    EXPECT_EQ(MessageIn(kEnglish, kUnreadableGroup, kWorkFileUnopenedEntry),
              QStringLiteral("The work file could not be opened: "));
    EXPECT_EQ(MessageIn(kEnglish, kUnreadableGroup, kOwnFileIgnoredEntry),
              QStringLiteral("The file was not read, the defaults stand: "));
    // Every group of the Windows program comes before the failure group.
    const std::span<const MessageGroup> groups = MessageGroups();
    const auto failure = std::find_if(groups.begin(), groups.end(), [](const MessageGroup& g) {
        return g.group == kFailureGroup;
    });
    ASSERT_NE(failure, groups.begin());
    ASSERT_NE(failure, groups.end());
    EXPECT_GT(kFailureGroup, std::prev(failure)->group);
}

TEST(MessageTable, StatusCaptionJoinsPiecesWithSingleBlanks) {
    const auto caption = [](const MessageTable& messages) {
        return messages.Message(65, 1) + QString::number(80) + messages.Message(65, 2) +
               QString::number(20) + messages.Message(65, 3) + QString::number(10) +
               messages.Message(65, 4) + QString::number(6) + messages.Message(65, 5) +
               QString::number(2);
    };
    EXPECT_EQ(caption(MessageTable(kEnglish)),
              QStringLiteral("Width : 80 Height : 20 Rows : 10 Columns : 6 Separation : 2"));
    EXPECT_EQ(caption(MessageTable(kSpanish)),
              QStringLiteral("Ancho : 80 Alto : 20 Filas : 10 Columnas : 6 Separación : 2"));
    const QRegularExpression shape(
        QStringLiteral("^\\S+ : 80 \\S+ : 20 \\S+ : 10 \\S+ : 6 \\S+ : 2$"));
    for (int language = 1; language <= kLanguageCount; ++language)
        EXPECT_TRUE(shape.match(caption(MessageTable(language))).hasMatch()) << language;
}

TEST(MessageTable, ReadsTheCurrentLanguageAndFallsBackToSpanish) {
    EXPECT_EQ(MessageTable(kCatalan).Message(68, 6), QStringLiteral("Inserir Fila"));
    EXPECT_EQ(MessageTable(kEnglish).Message(68, 6), QStringLiteral("Insert Row"));
    EXPECT_EQ(MessageTable(kFrench).Message(63), QStringLiteral("Programmeur"));
    EXPECT_EQ(MessageTable(kItalian).currentLanguage(), kItalian);
    // A hand-edited settings file may hold any language number.
    for (int language : {0, -1, 8, 1000})
        EXPECT_EQ(MessageTable(language).Message(63), QStringLiteral("Programador"));
    EXPECT_TRUE(MessageTable(kEnglish).Message(65, 6).isEmpty());
    EXPECT_TRUE(MessageTable(kEnglish).Message(0, 1).isEmpty());
}
