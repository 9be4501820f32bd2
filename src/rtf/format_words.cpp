#include "rtf/format_words.h"

#include "rtf/list_numbering.h"
#include "rtf/tokenizer.h"

#include <QChar>

#include <algorithm>

namespace rtf {
namespace {

constexpr int kMaxHalfPoints = 3276;

// \b and \b1 switch on, \b0 off.
bool on(const Token& token) { return !token.hasParam || token.param != 0; }

template <Underline style>
void underline(CharProps& c, const Token& t) { c.underline = on(t) ? style : Underline::None; }

template <Alignment alignment>
void align(ParaProps& p, const Token&) { p.alignment = alignment; }

template <QTextOption::TabType type>
void tabKind(ParaProps& p, const Token&) { p.nextTab.type = type; }

template <TabLeader leader>
void tabLeader(ParaProps& p, const Token&) { p.nextTab.leader = leader; }

// A file may name thousands; more than a paragraph can use are dropped.
constexpr int kMaxTabStops = 64;

void tabStop(ParaProps& p, const Token& t)
{
    if (p.tabs.size() < kMaxTabStops && t.param > 0)
        p.tabs.append({t.param, p.nextTab.type, p.nextTab.leader});
    p.nextTab = PendingTab{};
}

template <int codePage>
void charset(DocumentProps& d, const Token&) { d.codePage = codePage; }

// A document word sets the page; a section word only what the document left unsaid.
template <int PageWords::*length, bool section>
void pageLength(DocumentProps& d, const Token& t)
{
    if (t.param > 0 && (!section || d.page.*length == 0))
        d.page.*length = t.param;
}

constexpr FormatWord<CharSetter> kCharacterFormat[] = {
    {"f", [](CharProps& c, const Token& t) { c.font = t.param; }},
    {"fs", [](CharProps& c, const Token& t) { if (t.param > 0) c.halfPoints = std::min(t.param, kMaxHalfPoints); }},
    {"plain", [](CharProps& c, const Token&) {
         // A hyperlink's text stays a hyperlink whatever formatting it resets.
         const int link = c.link;
         c = CharProps{};
         c.link = link;
     }},
    {"b", [](CharProps& c, const Token& t) { c.bold = on(t); }},
    {"af", [](CharProps& c, const Token& t) { c.scriptFont = t.param; }},
    {"afs", [](CharProps& c, const Token& t) { if (t.param > 0) c.scriptHalfPoints = std::min(t.param, kMaxHalfPoints); }},
    {"ab", [](CharProps& c, const Token& t) { c.scriptBold = on(t) ? 1 : 0; }},
    {"ai", [](CharProps& c, const Token& t) { c.scriptItalic = on(t) ? 1 : 0; }},
    {"i", [](CharProps& c, const Token& t) { c.italic = on(t); }},
    {"strike", [](CharProps& c, const Token& t) { c.strike = on(t); }},
    {"striked", [](CharProps& c, const Token& t) { c.strike = on(t); }},
    {"v", [](CharProps& c, const Token& t) { c.hidden = on(t); }},
    {"scaps", [](CharProps& c, const Token& t) { c.smallCaps = on(t); }},
    {"caps", [](CharProps& c, const Token& t) { c.allCaps = on(t); }},
    {"ul", underline<Underline::Single>},
    {"uldb", underline<Underline::Single>},
    {"ulth", underline<Underline::Single>},
    {"ulw", underline<Underline::Single>},
    {"ulnone", [](CharProps& c, const Token&) { c.underline = Underline::None; }},
    {"uld", underline<Underline::Dotted>},
    {"ulthd", underline<Underline::Dotted>},
    {"uldash", underline<Underline::Dash>},
    {"ulthdash", underline<Underline::Dash>},
    {"ulldash", underline<Underline::Dash>},
    {"ulthldash", underline<Underline::Dash>},
    {"uldashd", underline<Underline::DashDot>},
    {"ulthdashd", underline<Underline::DashDot>},
    {"uldashdd", underline<Underline::DashDotDot>},
    {"ulthdashdd", underline<Underline::DashDotDot>},
    {"ulwave", underline<Underline::Wave>},
    {"ulhwave", underline<Underline::Wave>},
    {"ululdbwave", underline<Underline::Wave>},
    {"cf", [](CharProps& c, const Token& t) { c.foreground = t.param; }},
    {"cb", [](CharProps& c, const Token& t) { c.background = t.param; }},
    {"chcbpat", [](CharProps& c, const Token& t) { c.background = t.param; }},
    {"highlight", [](CharProps& c, const Token& t) { c.background = t.param; }},
    {"super", [](CharProps& c, const Token&) { c.position = VerticalPosition::Super; }},
    {"sub", [](CharProps& c, const Token&) { c.position = VerticalPosition::Sub; }},
    {"nosupersub", [](CharProps& c, const Token&) { c.position = VerticalPosition::Normal; }},
    {"up", [](CharProps& c, const Token& t) { c.position = t.param > 0 ? VerticalPosition::Super : VerticalPosition::Normal; }},
    {"dn", [](CharProps& c, const Token& t) { c.position = t.param > 0 ? VerticalPosition::Sub : VerticalPosition::Normal; }},
};

constexpr FormatWord<ParaSetter> kParagraphFormat[] = {
    {"pard", [](ParaProps& p, const Token&) { p = ParaProps{}; }},
    {"ql", align<Alignment::Left>},
    {"qc", align<Alignment::Center>},
    {"qr", align<Alignment::Right>},
    {"qj", align<Alignment::Justify>},
    {"li", [](ParaProps& p, const Token& t) { p.leftIndent = t.param; }},
    {"lin", [](ParaProps& p, const Token& t) { p.leftIndent = t.param; }},
    {"ri", [](ParaProps& p, const Token& t) { p.rightIndent = t.param; }},
    {"rin", [](ParaProps& p, const Token& t) { p.rightIndent = t.param; }},
    {"fi", [](ParaProps& p, const Token& t) { p.firstIndent = t.param; }},
    {"sb", [](ParaProps& p, const Token& t) { p.spaceBefore = std::max(0, t.param); }},
    {"sa", [](ParaProps& p, const Token& t) { p.spaceAfter = std::max(0, t.param); }},
    {"sl", [](ParaProps& p, const Token& t) { p.lineSpacing = t.param; }},
    {"slmult", [](ParaProps& p, const Token& t) { p.lineMultiple = on(t); }},
    {"pagebb", [](ParaProps& p, const Token& t) { p.pageBreakBefore = on(t); }},
    {"rtlpar", [](ParaProps& p, const Token&) { p.rightToLeft = true; }},
    {"tqr", tabKind<QTextOption::RightTab>},
    {"tqc", tabKind<QTextOption::CenterTab>},
    {"tqdec", tabKind<QTextOption::DelimiterTab>},
    {"tldot", tabLeader<TabLeader::Dots>},
    {"tlhyph", tabLeader<TabLeader::Hyphens>},
    {"tlul", tabLeader<TabLeader::Underline>},
    {"tlth", tabLeader<TabLeader::ThickLine>},
    {"tleq", tabLeader<TabLeader::Equals>},
    {"tlmdot", tabLeader<TabLeader::MiddleDots>},
    {"tx", tabStop},
    {"ltrpar", [](ParaProps& p, const Token&) { p.rightToLeft = false; }},
    {"ls", [](ParaProps& p, const Token& t) { p.listOverride = t.param; }},
    {"ilvl", [](ParaProps& p, const Token& t) { p.listLevel = std::clamp(t.param, 0, kListLevels - 1); }},
};

constexpr FormatWord<DocumentSetter> kDocument[] = {
    {"ansi", charset<1252>},
    {"mac", charset<10000>},
    {"pc", charset<437>},
    {"pca", charset<850>},
    {"ansicpg", [](DocumentProps& d, const Token& t) { if (t.param > 0) d.codePage = t.param; }},
    {"deff", [](DocumentProps& d, const Token& t) { d.defaultFont = t.param; }},
    {"paperw", pageLength<&PageWords::paperWidth, false>},
    {"paperh", pageLength<&PageWords::paperHeight, false>},
    {"margl", pageLength<&PageWords::marginLeft, false>},
    {"margr", pageLength<&PageWords::marginRight, false>},
    {"margt", pageLength<&PageWords::marginTop, false>},
    {"margb", pageLength<&PageWords::marginBottom, false>},
    {"landscape", [](DocumentProps& d, const Token&) { d.page.landscape = true; }},
    {"pgwsxn", pageLength<&PageWords::paperWidth, true>},
    {"pghsxn", pageLength<&PageWords::paperHeight, true>},
    {"marglsxn", pageLength<&PageWords::marginLeft, true>},
    {"margrsxn", pageLength<&PageWords::marginRight, true>},
    {"margtsxn", pageLength<&PageWords::marginTop, true>},
    {"margbsxn", pageLength<&PageWords::marginBottom, true>},
    {"lndscpsxn", [](DocumentProps& d, const Token&) { d.page.landscape = true; }},
};

constexpr CharacterWord kCharacters[] = {
    {"line", QChar::LineSeparator},
    {"tab", u'\t'},
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"bullet", 0x2022},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
    {"emspace", 0x2003},
    {"enspace", 0x2002},
    {"qmspace", 0x2005},
    {"zwj", 0x200D},
    {"zwnj", 0x200C},
    {"ltrmark", 0x200E},
    {"rtlmark", 0x200F},
};

} // namespace

std::span<const FormatWord<CharSetter>> characterFormatWords() { return kCharacterFormat; }
std::span<const FormatWord<ParaSetter>> paragraphFormatWords() { return kParagraphFormat; }
std::span<const FormatWord<DocumentSetter>> documentWords() { return kDocument; }
std::span<const CharacterWord> characterWords() { return kCharacters; }

} // namespace rtf
