#include "editor/SynEditLineCheckpoints.h"

#include <algorithm>

namespace tavlo {

namespace {

void startAtLineStart(TSynCustomHighlighter& highlighter, std::string_view text, int32_t index,
                      int32_t startRange) {
    if (startRange < 0)
        highlighter.ClearRange();
    else
        highlighter.RestoreRange(startRange);
    highlighter.StartLine(text, index);
}

} // namespace

TSynEditLineCheckpoints::TLine* TSynEditLineCheckpoints::find(int32_t index) {
    auto at =
        std::lower_bound(m_lines.begin(), m_lines.end(), index,
                         [](const TLine& line, int32_t wanted) { return line.Index < wanted; });
    return at != m_lines.end() && at->Index == index ? &*at : nullptr;
}

size_t TSynEditLineCheckpoints::PointCount(int32_t index) const {
    for (const TLine& line : m_lines)
        if (line.Index == index) return line.Points.size();
    return 0;
}

void TSynEditLineCheckpoints::LinesAdded(int32_t index, int32_t added) {
    for (TLine& line : m_lines)
        if (line.Index >= index) line.Index += added;
}

void TSynEditLineCheckpoints::LinesRemoved(int32_t index, int32_t removed) {
    std::erase_if(m_lines, [&](const TLine& line) {
        return line.Index >= index && line.Index < index + removed;
    });
    for (TLine& line : m_lines)
        if (line.Index >= index + removed) line.Index -= removed;
}

void TSynEditLineCheckpoints::LineReplaced(int32_t index) {
    std::erase_if(m_lines, [index](const TLine& line) { return line.Index == index; });
}

void TSynEditLineCheckpoints::LineSpliced(int32_t index, size_t at, size_t removed,
                                          size_t inserted) {
    TLine* line = find(index);
    if (!line) return;
    constexpr size_t Reach = TSynCustomHighlighter::ResumeReach;
    // Points whose state or whose next tokens may see the changed bytes go; verified points
    // before the edit stay. Behind the edit only the points the last settling found (behind
    // every edit made since) can tell where a new scan agrees with that one again: they move
    // with their bytes. Others behind it, found by a later scan for a paint, may have an
    // unsettled edit between them and the line's end, and go.
    const size_t windowEnd = at + removed + Reach;
    std::vector<TPoint> kept;
    kept.reserve(line->Points.size());
    for (size_t i = 0; i < line->FirstUnverified; ++i)
        if (line->Points[i].Offset + Reach <= at) kept.push_back(line->Points[i]);
    const size_t verified = kept.size();
    for (size_t i = line->Settled ? 0 : line->FirstUnverified; i < line->Points.size(); ++i) {
        const TPoint& point = line->Points[i];
        if (point.Offset >= windowEnd)
            kept.push_back({uint32_t(point.Offset - removed + inserted), point.State});
    }
    line->Points = std::move(kept);
    line->FirstUnverified = verified;
    line->Settled = false;
}

TSynEditLineCheckpoints::TLine* TSynEditLineCheckpoints::settle(TSynCustomHighlighter& highlighter,
                                                                std::string_view text,
                                                                int32_t index, int32_t startRange,
                                                                size_t byte) {
    TLine* line = find(index);
    if (text.size() < LongLine || !highlighter.ResumesMidLine()) {
        if (line) LineReplaced(index);
        return nullptr;
    }
    if (!line) {
        auto at = std::lower_bound(
            m_lines.begin(), m_lines.end(), index,
            [](const TLine& entry, int32_t wanted) { return entry.Index < wanted; });
        line = &*m_lines.insert(at, TLine{index, startRange, 0, 0, false, {}});
    }
    if (line->StartRange != startRange) {
        // Each point's state may differ now, but the bytes behind a point of a settled line
        // are still those its scan saw: a new scan that meets the same state there is done.
        if (!line->Settled)
            line->Points.erase(line->Points.begin(),
                               line->Points.begin() + ptrdiff_t(line->FirstUnverified));
        line->FirstUnverified = 0;
        line->StartRange = startRange;
        line->Settled = false;
    }
    // Verified points reach far enough when no new one could come before the byte.
    const size_t verifiedTo =
        line->FirstUnverified == 0 ? 0 : line->Points[line->FirstUnverified - 1].Offset;
    if (!line->Settled && (byte == Everything || verifiedTo + Spacing <= byte))
        rescan(highlighter, text, *line, byte);
    return line;
}

void TSynEditLineCheckpoints::rescan(TSynCustomHighlighter& highlighter, std::string_view text,
                                     TLine& line, size_t byte) {
    std::vector<TPoint> points(line.Points.begin(),
                               line.Points.begin() + ptrdiff_t(line.FirstUnverified));
    size_t lastOffset = 0;
    if (points.empty()) {
        startAtLineStart(highlighter, text, line.Index, line.StartRange);
    } else {
        lastOffset = points.back().Offset;
        highlighter.ResumeLine(text, line.Index, lastOffset, points.back().State);
    }
    size_t old = line.FirstUnverified;
    for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
        const size_t end = size_t(highlighter.TokenStart()) + highlighter.TokenView().size();
        if (end > byte) {
            // Far enough for now: the new points are verified, the last settling's ones
            // behind the scan still wait for a scan to meet them.
            const size_t verified = points.size();
            while (old < line.Points.size() && verified > 0 &&
                   line.Points[old].Offset <= points.back().Offset)
                ++old;
            points.insert(points.end(), line.Points.begin() + ptrdiff_t(old), line.Points.end());
            line.Points = std::move(points);
            line.FirstUnverified = verified;
            return;
        }
        while (old < line.Points.size() && line.Points[old].Offset < end)
            ++old;
        const bool atOld = old < line.Points.size() && line.Points[old].Offset == end;
        const bool due = end >= lastOffset + Spacing && end < text.size();
        if (!atOld && !due) continue;
        const TSynScanState state = highlighter.CaptureScanState();
        if (atOld && state == line.Points[old].State) {
            // From here on the scan goes as the one that found this point did. Points that
            // deletions brought close together are thinned, so that their number stays
            // bounded by the line's length however it was edited.
            for (; old < line.Points.size(); ++old) {
                if (line.Points[old].Offset < lastOffset + MinimumSpacing) continue;
                points.push_back(line.Points[old]);
                lastOffset = points.back().Offset;
            }
            line.Points = std::move(points);
            line.FirstUnverified = line.Points.size();
            line.Settled = true;
            return;
        }
        if (!due) continue;
        points.push_back({uint32_t(end), state});
        lastOffset = end;
    }
    line.EndRange = int32_t(highlighter.CurrentRange());
    line.Points = std::move(points);
    line.FirstUnverified = line.Points.size();
    line.Settled = true;
}

int32_t TSynEditLineCheckpoints::EndRange(TSynCustomHighlighter& highlighter, std::string_view text,
                                          int32_t index, int32_t startRange) {
    if (const TLine* line = settle(highlighter, text, index, startRange, Everything))
        return line->EndRange;
    startAtLineStart(highlighter, text, index, startRange);
    highlighter.SkipToLineEnd();
    return int32_t(highlighter.CurrentRange());
}

void TSynEditLineCheckpoints::StartLine(TSynCustomHighlighter& highlighter, std::string_view text,
                                        int32_t index, int32_t startRange, size_t byte) {
    if (byte >= Spacing) {
        if (const TLine* line = settle(highlighter, text, index, startRange, byte)) {
            const auto verifiedEnd = line->Points.begin() + ptrdiff_t(line->FirstUnverified);
            auto after = std::upper_bound(
                line->Points.begin(), verifiedEnd, byte,
                [](size_t wanted, const TPoint& point) { return wanted < point.Offset; });
            if (after != line->Points.begin()) {
                const TPoint& from = *(after - 1);
                highlighter.ResumeLine(text, index, from.Offset, from.State);
                return;
            }
        }
    }
    startAtLineStart(highlighter, text, index, startRange);
}

} // namespace tavlo
