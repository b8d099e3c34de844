#pragma once

#include <QString>
#include <array>
#include <span>
#include <string_view>

// Interface languages, numbered as the settings file and the language menu number them.
inline constexpr int kSpanish = 1;
inline constexpr int kPortuguese = 2;
inline constexpr int kFrench = 3;
inline constexpr int kGerman = 4;
inline constexpr int kEnglish = 5;
inline constexpr int kItalian = 6;
inline constexpr int kCatalan = 7;
inline constexpr int kLanguageCount = 7;

// Messages added for failures the Windows program never reported.
inline constexpr int kFailureGroup = 72;
inline constexpr int kSaveFailedEntry = 1;   // "The file could not be saved: " + name and reason
inline constexpr int kExportFailedEntry = 2; // "The picture could not be exported: " + ...
// A work file longer than its table: only the table was read.
inline constexpr int kUnreadDataGroup = 79;
inline constexpr int kUnreadDataEntry = 1; // "The file holds more than its table; ..." + reason

// One message g.e in the seven languages, in language order (Spanish first).
struct MessageText {
    int group;
    int entry;
    std::array<std::u16string_view, kLanguageCount> texts;
};

// Each group stores its texts in fields of this many Windows-1252 bytes, the terminator
// included.
struct MessageGroup {
    int group;
    int fieldSize;
};

// The constant table, ordered by group and entry.
std::span<const MessageText> MessageTexts();
std::span<const MessageGroup> MessageGroups();

// 0 for a group number that is not assigned.
int MessageFieldSize(int group);
int MessageEntryCount(int group);

// Entry e of group g in the given language. A language outside 1..7 (a hand-edited settings
// file) reads as Spanish, the settings default; an unknown message is empty.
QString MessageIn(int language, int group, int entry = 1);

// The table read in one language. Cheap to make: the shell makes one from its
// currentLanguage whenever it needs texts, so a language change needs no reload.
class MessageTable {
public:
    explicit MessageTable(int currentLanguage) : currentLanguage_(currentLanguage) {}

    int currentLanguage() const { return currentLanguage_; }
    QString Message(int group, int entry = 1) const {
        return MessageIn(currentLanguage_, group, entry);
    }

private:
    int currentLanguage_;
};
