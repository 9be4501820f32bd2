#include "rtf/control_words.h"

#include "rtf/format_words.h"

#include <unordered_map>
#include <utility>

namespace rtf {
namespace {

constexpr std::pair<std::string_view, Cmd> kStructural[] = {
    {"fonttbl", Cmd::FontTable}, {"colortbl", Cmd::ColorTable}, {"red", Cmd::Red},
    {"green", Cmd::Green}, {"blue", Cmd::Blue}, {"f", Cmd::Font},
    {"fcharset", Cmd::FontCharset}, {"cpg", Cmd::CodePage},

    {"par", Cmd::Par}, {"page", Cmd::Page}, {"sect", Cmd::Sect}, {"cell", Cmd::Cell},
    {"nestcell", Cmd::Cell}, {"row", Cmd::Row}, {"nestrow", Cmd::Row},

    {"uc", Cmd::UnicodeSkip}, {"u", Cmd::Unicode}, {"upr", Cmd::Upr}, {"ud", Cmd::Ud},

    {"field", Cmd::Field}, {"fldinst", Cmd::FieldInstruction}, {"fldrslt", Cmd::FieldResult},
    {"pict", Cmd::Picture}, {"pngblip", Cmd::PngBlip}, {"jpegblip", Cmd::JpegBlip},
    {"emfblip", Cmd::OtherBlip}, {"wmetafile", Cmd::OtherBlip}, {"dibitmap", Cmd::OtherBlip},
    {"wbitmap", Cmd::OtherBlip}, {"macpict", Cmd::OtherBlip}, {"pmmetafile", Cmd::OtherBlip},
    {"picwgoal", Cmd::PicWidthGoal}, {"pichgoal", Cmd::PicHeightGoal},
    {"picscalex", Cmd::PicScaleX}, {"picscaley", Cmd::PicScaleY},
    {"picw", Cmd::PicWidth}, {"pich", Cmd::PicHeight},
    {"shppict", Cmd::ShapePicture}, {"shp", Cmd::Shape}, {"shpinst", Cmd::ShapeInstructions},
    {"sn", Cmd::ShapePropertyName}, {"shprslt", Cmd::ShapeResult}, {"object", Cmd::Object}, {"result", Cmd::ObjectResult},

    {"footnote", Cmd::Footnote}, {"chftn", Cmd::FootnoteMark},

    {"listtable", Cmd::ListTable}, {"listoverridetable", Cmd::ListOverrideTable},
    {"list", Cmd::List}, {"listlevel", Cmd::ListLevel}, {"levelnfc", Cmd::LevelFormat},
    {"levelnfcn", Cmd::LevelFormat}, {"levelstartat", Cmd::LevelStart},
    {"leveltext", Cmd::LevelText}, {"levelfollow", Cmd::LevelFollow},
    {"levellegal", Cmd::LevelLegal}, {"listid", Cmd::ListId},
    {"listoverride", Cmd::ListOverride}, {"ls", Cmd::ListOverrideNumber},
    {"listtext", Cmd::LiteralLabel},
    {"pntext", Cmd::LiteralLabel}, {"pn", Cmd::Legacy}, {"pnlvlbody", Cmd::LegacyBody},
    {"pnlvlblt", Cmd::LegacyBullet}, {"pnlvlcont", Cmd::LegacyContinue},
    {"pnlvl", Cmd::LegacyLevel}, {"pndec", Cmd::LegacyDecimal},
    {"pnucrm", Cmd::LegacyUpperRoman}, {"pnlcrm", Cmd::LegacyLowerRoman},
    {"pnucltr", Cmd::LegacyUpperLetter}, {"pnlcltr", Cmd::LegacyLowerLetter},
    {"pnord", Cmd::LegacyOrdinal}, {"pnordt", Cmd::LegacyOrdinal},
    {"pnstart", Cmd::LegacyStart}, {"pnf", Cmd::LegacyFont},
    {"pntxtb", Cmd::LegacyTextBefore}, {"pntxta", Cmd::LegacyTextAfter},

    // Page parts, notes, document tables, metadata and objects: their text is not body text.
    {"info", Cmd::SkipDestination}, {"stylesheet", Cmd::StyleSheet},
    {"header", Cmd::PagePart}, {"headerl", Cmd::PagePart},
    {"headerr", Cmd::PagePart}, {"headerf", Cmd::PagePart},
    {"footer", Cmd::PagePart}, {"footerl", Cmd::PagePart},
    {"footerr", Cmd::PagePart}, {"footerf", Cmd::PagePart},
    {"annotation", Cmd::SkipDestination}, {"nonesttables", Cmd::SkipDestination},
    {"filetbl", Cmd::SkipDestination}, {"revtbl", Cmd::SkipDestination},
    {"listname", Cmd::SkipDestination}, {"levelnumbers", Cmd::SkipDestination}, {"listpicture", Cmd::SkipDestination},
    {"lfolevel", Cmd::SkipDestination}, {"objdata", Cmd::SkipDestination},
    {"nonshppict", Cmd::SkipDestination},
    {"pgdsctbl", Cmd::SkipDestination}, {"xe", Cmd::SkipDestination},
    {"tc", Cmd::SkipDestination}, {"txe", Cmd::SkipDestination}, {"rxe", Cmd::SkipDestination},
    {"template", Cmd::SkipDestination}, {"private", Cmd::SkipDestination},
    {"atnauthor", Cmd::SkipDestination}, {"atnid", Cmd::SkipDestination},
    {"atntime", Cmd::SkipDestination}, {"atnref", Cmd::SkipDestination},
    {"atndate", Cmd::SkipDestination}, {"author", Cmd::SkipDestination},
    {"title", Cmd::SkipDestination}, {"subject", Cmd::SkipDestination},
    {"keywords", Cmd::SkipDestination}, {"operator", Cmd::SkipDestination},
    {"comment", Cmd::SkipDestination}, {"doccomm", Cmd::SkipDestination},
    {"company", Cmd::SkipDestination}, {"manager", Cmd::SkipDestination},
    {"category", Cmd::SkipDestination}, {"hlinkbase", Cmd::SkipDestination},
    {"creatim", Cmd::SkipDestination}, {"revtim", Cmd::SkipDestination},
    {"printim", Cmd::SkipDestination}, {"buptim", Cmd::SkipDestination},
    {"ftnsep", Cmd::SkipDestination}, {"ftnsepc", Cmd::SkipDestination},
    {"ftncn", Cmd::SkipDestination}, {"aftnsep", Cmd::SkipDestination},
    {"aftnsepc", Cmd::SkipDestination}, {"aftncn", Cmd::SkipDestination},
    {"bkmkstart", Cmd::BookmarkStart}, {"bkmkend", Cmd::SkipDestination},
    {"themedata", Cmd::SkipDestination}, {"colorschememapping", Cmd::SkipDestination},
    {"latentstyles", Cmd::SkipDestination}, {"datastore", Cmd::SkipDestination},
    {"picprop", Cmd::SkipDestination},
};

constexpr ControlWord kUnknown{};

const std::unordered_map<std::string_view, ControlWord>& table()
{
    static const std::unordered_map<std::string_view, ControlWord> words = [] {
        std::unordered_map<std::string_view, ControlWord> all;
        for (const auto& [name, cmd] : kStructural)
            all[name].cmd = cmd;
        for (const auto& [name, set] : characterFormatWords())
            all[name].chars = set;
        for (const auto& [name, set] : paragraphFormatWords())
            all[name].para = set;
        for (const auto& [name, set] : documentWords())
            all[name].document = set;
        for (const auto& [name, character] : characterWords())
            all[name].character = character;
        return all;
    }();
    return words;
}

} // namespace

const ControlWord& lookupControlWord(std::string_view name)
{
    const auto& words = table();
    const auto found = words.find(name);
    return found == words.end() ? kUnknown : found->second;
}

} // namespace rtf
