// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cluster_glyph_runs.h"

#include <QTextLayout>

namespace {

// Distinct clusters kept at most for one font; a full table holds far fewer.
constexpr size_t kMaxKnownClusters = 1 << 12;

} // namespace

const QList<QGlyphRun>& ClusterGlyphRuns::Get(QStringView cluster) {
    auto found = known_.find(cluster);
    if (found != known_.end()) return found->second;
    if (known_.size() >= kMaxKnownClusters) known_.clear();
    const QString text = cluster.toString();
    QTextLayout layout(text, font_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    // The layout puts its line's top at 0; drawing gives the baseline.
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= line.ascent();
        run.setPositions(positions);
    }
    return known_.emplace(text, std::move(runs)).first->second;
}
