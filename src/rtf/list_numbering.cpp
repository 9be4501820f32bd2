#include "rtf/list_numbering.h"

#include <algorithm>

namespace rtf {
namespace {

QString roman(int value, bool upper)
{
    static const std::pair<int, const char*> kDigits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
        {50, "l"}, {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"},
    };
    QString text;
    for (const auto& [amount, digits] : kDigits) {
        while (value >= amount) {
            text += QLatin1String(digits);
            value -= amount;
        }
    }
    return upper ? text.toUpper() : text;
}

// Word's letters: a … z, then aa … zz, aaa …
QString letters(int value, bool upper)
{
    const QChar letter(char16_t((upper ? u'A' : u'a') + (value - 1) % 26));
    return QString((value - 1) / 26 + 1, letter);
}

QString ordinal(int value)
{
    const int lastTwo = value % 100;
    const int last = value % 10;
    const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th" : last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    return QString::number(value) + QLatin1String(suffix);
}

QString follower(int follow)
{
    switch (follow) {
    case 1: return QStringLiteral(" ");
    case 2: return {};
    default: return QStringLiteral("\t");
    }
}

} // namespace

NumberFormat numberFormatOfNfc(int nfc)
{
    switch (nfc) {
    case 1: return NumberFormat::UpperRoman;
    case 2: return NumberFormat::LowerRoman;
    case 3: return NumberFormat::UpperLetter;
    case 4: return NumberFormat::LowerLetter;
    case 5: return NumberFormat::Ordinal;
    case 22: return NumberFormat::DecimalZero;
    case 23: return NumberFormat::Bullet;
    case 255: return NumberFormat::None;
    default: return NumberFormat::Decimal;  // and the scripts Word has words or digits for
    }
}

QString formatNumber(int value, NumberFormat format)
{
    if (value < 1 && format != NumberFormat::Decimal && format != NumberFormat::DecimalZero)
        return QString::number(value);
    switch (format) {
    case NumberFormat::UpperRoman:
    case NumberFormat::LowerRoman:
        return value < 4000 ? roman(value, format == NumberFormat::UpperRoman) : QString::number(value);
    case NumberFormat::UpperLetter:
    case NumberFormat::LowerLetter:
        return value <= 780 ? letters(value, format == NumberFormat::UpperLetter) : QString::number(value);
    case NumberFormat::Ordinal: return ordinal(value);
    case NumberFormat::DecimalZero: return value < 10 && value >= 0 ? QLatin1Char('0') + QString::number(value) : QString::number(value);
    case NumberFormat::Bullet:
    case NumberFormat::None: return {};
    case NumberFormat::Decimal: break;
    }
    return QString::number(value);
}

void ListNumbering::beginList() { lists_.emplace_back(); }

ListLevel* ListNumbering::beginLevel()
{
    if (lists_.empty() || lists_.back().levels.size() >= size_t(kListLevels))
        return nullptr;
    return &lists_.back().levels.emplace_back();
}

ListLevel* ListNumbering::currentLevel()
{
    return lists_.empty() || lists_.back().levels.empty() ? nullptr : &lists_.back().levels.back();
}

void ListNumbering::setListId(int id)
{
    if (!lists_.empty())
        lists_.back().id = id;
}

void ListNumbering::beginOverride() { overrideListId_ = 0; }
void ListNumbering::setOverrideListId(int id) { overrideListId_ = id; }
void ListNumbering::setOverrideNumber(int number) { overrides_[number] = overrideListId_; }

int ListNumbering::addLegacy()
{
    legacy_.emplace_back();
    return int(legacy_.size()) - 1;
}

int ListNumbering::finishLegacy(int index)
{
    if (index >= 1 && index == int(legacy_.size()) - 1 && legacy_[size_t(index)] == legacy_[size_t(index) - 1]) {
        legacy_.pop_back();
        return index - 1;
    }
    return index;
}

LegacyList* ListNumbering::legacy(int index)
{
    return index >= 0 && index < int(legacy_.size()) ? &legacy_[size_t(index)] : nullptr;
}

std::optional<ListLabel> ListNumbering::next(int override, int level)
{
    legacyRun_ = false;
    const auto found = overrides_.find(override);
    if (found == overrides_.end())
        return std::nullopt;
    const int listId = found->second;
    const auto list = std::find_if(lists_.cbegin(), lists_.cend(), [&](const List& l) { return l.id == listId; });
    if (list == lists_.cend() || list->levels.empty())
        return std::nullopt;
    const std::vector<ListLevel>& levels = list->levels;
    level = std::clamp(level, 0, int(levels.size()) - 1);

    Counters& counters = counters_[listId];
    const auto startOf = [&](int k) { return levels[size_t(std::min(k, int(levels.size()) - 1))].start; };
    counters.values[size_t(level)] = counters.used[size_t(level)] ? counters.values[size_t(level)] + 1 : startOf(level);
    counters.used[size_t(level)] = true;
    for (int deeper = level + 1; deeper < kListLevels; ++deeper)
        counters.used[size_t(deeper)] = false;

    const ListLevel& own = levels[size_t(level)];
    ListLabel label;
    label.font = own.font;
    if (!own.hasText) {
        label.text = formatNumber(counters.values[size_t(level)], own.format);
        if (own.format != NumberFormat::Bullet && own.format != NumberFormat::None)
            label.text += u'.';
    } else {
        for (const QChar ch : own.text) {
            if (ch.unicode() >= kListLevels) {
                label.text += ch;
                continue;
            }
            const int k = ch.unicode();
            // A level not numbered yet shows its start, as Word shows it.
            const int value = counters.used[size_t(k)] ? counters.values[size_t(k)] : startOf(k);
            const NumberFormat format = own.legal && k != level ? NumberFormat::Decimal
                                        : k < int(levels.size()) ? levels[size_t(k)].format : NumberFormat::Decimal;
            label.text += formatNumber(value, format);
        }
    }
    label.text += follower(own.follow);
    return label;
}

std::optional<ListLabel> ListNumbering::nextLegacy(int index)
{
    const LegacyList* list = legacy(index);
    if (!list) {
        legacyRun_ = false;
        return std::nullopt;
    }
    ListLabel label;
    label.font = list->font;
    switch (list->kind) {
    case LegacyList::Kind::Continue:
        return label;
    case LegacyList::Kind::Bullet:
        label.text = list->before + list->after;
        if (label.text.isEmpty())
            label.text = QString(QChar(0x2022));
        break;
    case LegacyList::Kind::Body:
    case LegacyList::Kind::Level: {
        const int slot = list->kind == LegacyList::Kind::Body ? 0 : std::clamp(list->level, 1, kListLevels);
        if (!legacyRun_)
            legacyUsed_.fill(false);
        int& counter = legacyCounters_[size_t(slot)];
        counter = legacyUsed_[size_t(slot)] ? counter + 1 : list->start;
        legacyUsed_[size_t(slot)] = true;
        for (int deeper = slot + 1; deeper <= kListLevels && slot > 0; ++deeper)
            legacyUsed_[size_t(deeper)] = false;
        label.text = list->before + formatNumber(counter, list->format) + list->after;
        break;
    }
    }
    legacyRun_ = true;
    label.text += u'\t';
    return label;
}

} // namespace rtf
