// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messages/message_table.h"

#include <algorithm>

namespace {

const MessageText* Find(int group, int entry) {
    const auto texts = MessageTexts();
    const auto found =
        std::lower_bound(texts.begin(), texts.end(), std::pair{group, entry},
                         [](const MessageText& text, const std::pair<int, int>& key) {
                             return std::pair{text.group, text.entry} < key;
                         });
    if (found == texts.end() || found->group != group || found->entry != entry) return nullptr;
    return &*found;
}

} // namespace

int MessageFieldSize(int group) {
    for (const MessageGroup& g : MessageGroups()) {
        if (g.group == group) return g.fieldSize;
    }
    return 0;
}

int MessageEntryCount(int group) {
    const auto texts = MessageTexts();
    return int(std::count_if(texts.begin(), texts.end(),
                             [group](const MessageText& text) { return text.group == group; }));
}

QString MessageIn(int language, int group, int entry) {
    const MessageText* text = Find(group, entry);
    if (!text) return {};
    if (language < 1 || language > kLanguageCount) language = kSpanish;
    const std::u16string_view view = text->texts[size_t(language - 1)];
    return QString(reinterpret_cast<const QChar*>(view.data()), qsizetype(view.size()));
}
