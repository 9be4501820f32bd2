#pragma once
// Tab stops (\txN after \tqr \tqc \tqdec and a leader word) as a paragraph's tab
// positions. Qt draws no leaders: each stop's leader is kept beside the positions and
// written back.

#include <QList>
#include <QTextOption>

#include <cstdint>

class QTextBlockFormat;

namespace rtf {

enum class TabLeader : std::uint8_t { None, Dots, Hyphens, Underline, ThickLine, Equals, MiddleDots };

struct TabStop {
    int twips = 0;
    QTextOption::TabType type = QTextOption::LeftTab;
    TabLeader leader = TabLeader::None;
    bool operator==(const TabStop&) const = default;
};

// The kind and leader words set the stop that the next \tx places.
struct PendingTab {
    QTextOption::TabType type = QTextOption::LeftTab;
    TabLeader leader = TabLeader::None;
    bool operator==(const PendingTab&) const = default;
};

void applyTabStops(const QList<TabStop>& stops, QTextBlockFormat& format);
QList<TabStop> tabStopsOf(const QTextBlockFormat& format);

} // namespace rtf
