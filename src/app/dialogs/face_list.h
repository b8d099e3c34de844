// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QString;

// Fills a drop-down list with every font family of the screen, sorted, each entry drawn in its
// own face.
void FillFaceList(QComboBox* list);

// Selects `face` in a list filled by FillFaceList. A face the screen has no family of its name
// for (a substitute draws it) is added to the list in its sorted place; only an empty face
// leaves the list without a selection.
void SelectFace(QComboBox* list, const QString& face);
