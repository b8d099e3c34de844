#pragma once

class QComboBox;

// Fills a drop-down list with every font family of the screen, sorted, each entry drawn in its
// own face.
void FillFaceList(QComboBox* list);
