#include "rtf/charsets.h"

#include <QStringDecoder>

namespace rtf {
namespace {

struct CharsetEntry {
    int charset;
    int codePage;
};

// \fcharset → code page, Windows and Mac values. Symbol (2) is read as 1252: its bullets
// and dashes then show as their nearest Latin characters instead of private-use codes.
constexpr CharsetEntry kCharsets[] = {
    {0, 1252},    {2, 1252},    {77, 10000},  {78, 10001},  {79, 10003},  {80, 10008},
    {81, 10002},  {83, 10005},  {84, 10004},  {85, 10006},  {86, 10081},  {87, 10021},
    {88, 10029},  {89, 10007},  {128, 932},   {129, 949},   {130, 1361},  {134, 936},
    {136, 950},   {161, 1253},  {162, 1254},  {163, 1258},  {177, 1255},  {178, 1256},
    {186, 1257},  {204, 1251},  {222, 874},   {238, 1250},  {254, 437},   {255, 850},
};

QByteArray icuName(int codePage)
{
    switch (codePage) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1361: return "ibm-1361";
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 10000: return "macintosh";
    case 10001: return "x-mac-japanese";
    case 10002: return "x-mac-trad-chinese";
    case 10003: return "x-mac-korean";
    case 10004: return "x-mac-arabic";
    case 10005: return "x-mac-hebrew";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10008: return "x-mac-chinesesimp";
    case 10021: return "x-mac-thai";
    case 10029: return "x-mac-centraleurroman";
    case 10081: return "x-mac-turkish";
    case 65001: return "UTF-8";
    default: return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

int codePageOfCharset(int charset)
{
    for (const CharsetEntry& entry : kCharsets)
        if (entry.charset == charset)
            return entry.codePage;
    return 0;
}

int codePageOfFontName(const QString& name)
{
    static const std::pair<const char*, int> kSuffixes[] = {
        {" CE", 1250}, {" Cyr", 1251}, {" Greek", 1253}, {" Tur", 1254}, {" (Hebrew)", 1255},
        {" (Arabic)", 1256}, {" Baltic", 1257}, {" (Vietnamese)", 1258},
    };
    for (const auto& [suffix, codePage] : kSuffixes)
        if (name.endsWith(QLatin1String(suffix)))
            return codePage;
    return 0;
}

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

QStringDecoder& CodePageDecoder::decoderFor(int codePage)
{
    auto found = decoders_.find(codePage);
    if (found != decoders_.end())
        return *found->second;
    auto decoder = std::make_unique<QStringDecoder>(icuName(codePage).constData());
    if (!decoder->isValid())
        decoder = std::make_unique<QStringDecoder>("windows-1252");
    return *decoders_.emplace(codePage, std::move(decoder)).first->second;
}

QString CodePageDecoder::decode(int codePage, const QByteArray& bytes)
{
    QStringDecoder& decoder = decoderFor(codePage);
    QString text = decoder.decode(bytes);
    decoder.resetState();
    return text;
}

} // namespace rtf
