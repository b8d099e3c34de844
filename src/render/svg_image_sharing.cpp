// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg_image_sharing.h"

#include <QCryptographicHash>
#include <algorithm>

namespace {

constexpr QByteArrayView kImageStart = "<image ";
constexpr QByteArrayView kElementEnd = "/>";

// The value of the attribute `name` of an element the generator wrote: its values hold no
// quotes.
QByteArrayView Attribute(QByteArrayView element, QByteArrayView name) {
    const QByteArray pattern = " " + name.toByteArray() + "=\"";
    const qsizetype start = element.indexOf(pattern);
    if (start < 0) return {};
    const qsizetype from = start + pattern.size();
    const qsizetype end = element.indexOf('"', from);
    return end < 0 ? QByteArrayView() : element.sliced(from, end - from);
}

// The length of the longest end of `bytes` that may begin an <image> element in the next write.
qsizetype PartialStart(QByteArrayView bytes) {
    for (qsizetype keep = std::min(bytes.size(), kImageStart.size() - 1); keep > 0; --keep)
        if (kImageStart.startsWith(bytes.last(keep))) return keep;
    return 0;
}

} // namespace

SvgImageSharing::SvgImageSharing(QIODevice& target) : target_(target) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool SvgImageSharing::Pass(QByteArrayView bytes) {
    for (qsizetype done = 0; !failed_ && done < bytes.size();) {
        const qint64 count = target_.write(bytes.data() + done, bytes.size() - done);
        failed_ = count <= 0;
        done += count;
    }
    return !failed_;
}

qint64 SvgImageSharing::writeData(const char* data, qint64 size) {
    if (failed_) return -1;
    held_.append(data, size);
    while (Step()) {
    }
    return failed_ ? -1 : size;
}

// Writes on what `held_` begins with: text up to the next <image> element, or that element
// once it is complete. False when more bytes are needed.
bool SvgImageSharing::Step() {
    if (!inImage_) {
        const qsizetype start = held_.indexOf(kImageStart);
        const qsizetype passed = start >= 0 ? start : held_.size() - PartialStart(held_);
        Pass(held_.first(passed));
        held_.remove(0, passed);
        if (start < 0 || failed_) return false;
        inImage_ = true;
        searched_ = 0;
    }
    // An end may straddle two writes: the search resumes one byte back.
    const qsizetype end = held_.indexOf(kElementEnd, std::max<qsizetype>(searched_ - 1, 0));
    if (end < 0) {
        searched_ = held_.size();
        return false;
    }
    const qsizetype after = end + kElementEnd.size();
    Pass(Shared(held_.first(after)));
    held_.remove(0, after);
    inImage_ = false;
    return !failed_;
}

QByteArray SvgImageSharing::Shared(QByteArrayView element) {
    QCryptographicHash digest(QCryptographicHash::Sha256);
    digest.addData(Attribute(element, "xlink:href"));
    digest.addData(Attribute(element, "width"));
    digest.addData(" ");
    digest.addData(Attribute(element, "height"));
    const QByteArray key = digest.result();
    const double x = Attribute(element, "x").toDouble(), y = Attribute(element, "y").toDouble();
    const auto found = shown_.constFind(key);
    if (found == shown_.constEnd()) {
        const Shown first{"picture" + QByteArray::number(shown_.size() + 1), x, y};
        shown_.insert(key, first);
        return "<image id=\"" + first.id + "\" " + element.sliced(kImageStart.size()).toByteArray();
    }
    return "<use xlink:href=\"#" + found->id + "\" x=\"" +
           QByteArray::number(x - found->x, 'g', 10) + "\" y=\"" +
           QByteArray::number(y - found->y, 'g', 10) + "\"/>";
}

bool SvgImageSharing::Finish() {
    Pass(held_);
    held_.clear();
    return !failed_;
}
