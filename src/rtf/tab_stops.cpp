#include "rtf/tab_stops.h"

#include "rtf/units.h"

#include <QTextBlockFormat>
#include <QVariant>

#include <cmath>

namespace rtf {
namespace {

// The leaders of the stops, one number each, in the order of the positions.
constexpr int kTabLeaders = QTextFormat::UserProperty + 0x5220;

} // namespace

void applyTabStops(const QList<TabStop>& stops, QTextBlockFormat& format)
{
    if (stops.isEmpty())
        return;
    QList<QTextOption::Tab> tabs;
    QVariantList leaders;
    bool anyLeader = false;
    for (const TabStop& stop : stops) {
        const QChar delimiter = stop.type == QTextOption::DelimiterTab ? QChar(u'.') : QChar();
        tabs.append(QTextOption::Tab(stop.twips / kTwipsPerPixel, stop.type, delimiter));
        leaders.append(int(stop.leader));
        anyLeader = anyLeader || stop.leader != TabLeader::None;
    }
    format.setTabPositions(tabs);
    if (anyLeader)
        format.setProperty(kTabLeaders, leaders);
}

QList<TabStop> tabStopsOf(const QTextBlockFormat& format)
{
    const QList<QTextOption::Tab> tabs = format.tabPositions();
    const QVariantList leaders = format.property(kTabLeaders).toList();
    QList<TabStop> stops;
    for (qsizetype i = 0; i < tabs.size(); ++i) {
        TabStop stop;
        stop.twips = int(std::lround(tabs[i].position * kTwipsPerPixel));
        stop.type = tabs[i].type;
        if (i < leaders.size())
            stop.leader = TabLeader(std::clamp(leaders[i].toInt(), 0, int(TabLeader::MiddleDots)));
        stops.append(stop);
    }
    return stops;
}

} // namespace rtf
