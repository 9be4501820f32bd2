#include "pdftext/content_spans.h"

#include "nq/unicode_bridge.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace pdftext {
namespace {

enum class Tok { Number, Name, String, Hex, DictOpen, DictClose, ArrayOpen, ArrayClose, Word };

struct Token {
    Tok type;
    qsizetype start, end;
};

struct Op {
    QByteArray keyword;
    qsizetype start, end; // from the first operand to the end of the operator
    QList<Token> operands;
};

bool isWhite(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }
bool isDelimiter(char c) { return QByteArrayView("()<>[]{}/%").contains(c); }

// The operators of a content stream with their operands; empty where it cannot be followed.
std::optional<QList<Op>> scanOps(const QByteArray& s)
{
    QList<Op> ops;
    QList<Token> operands;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const char c = s[i];
        if (isWhite(c)) {
            ++i;
            continue;
        }
        if (c == '%') {
            while (i < n && s[i] != '\n' && s[i] != '\r')
                ++i;
            continue;
        }
        const qsizetype start = i;
        if (c == '(') {
            int depth = 0;
            for (; i < n; ++i) {
                if (s[i] == '\\') {
                    ++i;
                } else if (s[i] == '(') {
                    ++depth;
                } else if (s[i] == ')' && --depth == 0) {
                    ++i;
                    break;
                }
            }
            if (depth != 0)
                return std::nullopt;
            operands.append({Tok::String, start, i});
        } else if (c == '<' && i + 1 < n && s[i + 1] == '<') {
            i += 2;
            operands.append({Tok::DictOpen, start, i});
        } else if (c == '<') {
            const qsizetype close = s.indexOf('>', i);
            if (close < 0)
                return std::nullopt;
            i = close + 1;
            operands.append({Tok::Hex, start, i});
        } else if (c == '>') {
            if (i + 1 >= n || s[i + 1] != '>')
                return std::nullopt;
            i += 2;
            operands.append({Tok::DictClose, start, i});
        } else if (c == '[' || c == '{') {
            ++i;
            operands.append({Tok::ArrayOpen, start, i});
        } else if (c == ']' || c == '}') {
            ++i;
            operands.append({Tok::ArrayClose, start, i});
        } else if (c == ')') {
            return std::nullopt;
        } else {
            ++i; // a name's slash, or the first character of a number or a keyword
            while (i < n && !isWhite(s[i]) && !isDelimiter(s[i]))
                ++i;
            if (c == '/') {
                operands.append({Tok::Name, start, i});
                continue;
            }
            const QByteArray word = s.mid(start, i - start);
            if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
                operands.append({Tok::Number, start, i});
            } else if (word == "true" || word == "false" || word == "null") {
                operands.append({Tok::Word, start, i});
            } else {
                if (word == "BI") // inline image data is binary: not ours to scan
                    return std::nullopt;
                ops.append({word, operands.isEmpty() ? start : operands.first().start, i, operands});
                operands.clear();
            }
        }
    }
    return ops;
}

QByteArray bytesOf(const QByteArray& s, const Token& t) { return s.mid(t.start, t.end - t.start); }

double numberAt(const QByteArray& s, const Op& op, int index)
{
    return index < op.operands.size() ? bytesOf(s, op.operands[index]).toDouble() : 0.0;
}

QByteArray hexContent(const QByteArray& s, const Token& t)
{
    QByteArray digits = s.mid(t.start + 1, t.end - t.start - 2);
    digits.replace(' ', "").replace('\n', "").replace('\r', "").replace('\t', "");
    if (digits.size() % 2)
        digits.append('0');
    return QByteArray::fromHex(digits);
}

// Whether a BDC's property list carries /ActualText, and whether that is empty (Qt's mark on
// the second drawing of synthetic bold).
enum class Mark { Plain, EmptyActualText, ActualText };

Mark markOf(const QByteArray& s, const Op& op)
{
    for (qsizetype k = 0; k + 1 < op.operands.size(); ++k) {
        if (op.operands[k].type != Tok::Name || bytesOf(s, op.operands[k]) != "/ActualText")
            continue;
        const Token& value = op.operands[k + 1];
        const QByteArray text = bytesOf(s, value);
        const bool empty = (value.type == Tok::String && text == "()")
            || (value.type == Tok::Hex && (hexContent(s, value).isEmpty() || hexContent(s, value) == "\xFE\xFF"));
        return empty ? Mark::EmptyActualText : Mark::ActualText;
    }
    return Mark::Plain;
}

struct Glyph {
    quint16 cid = 0;
    int op = 0;       // the operator that shows it
    int placeOp = 0;  // where a span around it starts: its Td, or the showing operator
    double line = 0;  // the text line's vertical position
    int lineSerial = 0;
    bool copy = false;    // inside Qt's empty-ActualText mark: the second drawing of bold
    bool barrier = false; // ends a word: text in another font, an unknown glyph, a foreign mark
    bool space = false;
};

struct Copy {
    int bdcOp = -1, emcOp = -1;
    int firstGlyph = 0, glyphCount = 0;
};

struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

Matrix multiply(const Matrix& m, const Matrix& n) // m then n, as PDF composes row vectors
{
    return {m.a * n.a + m.b * n.c,       m.a * n.b + m.b * n.d,
            m.c * n.a + m.d * n.c,       m.c * n.b + m.d * n.d,
            m.e * n.a + m.f * n.c + n.e, m.e * n.b + m.f * n.d + n.f};
}

Matrix matrixOf(const QByteArray& s, const Op& op)
{
    return {numberAt(s, op, 0), numberAt(s, op, 1), numberAt(s, op, 2),
            numberAt(s, op, 3), numberAt(s, op, 4), numberAt(s, op, 5)};
}

QByteArray actualText(const QString& text)
{
    QByteArray utf16 = "\xFE\xFF";
    for (QChar unit : text) {
        utf16.append(char(unit.unicode() >> 8));
        utf16.append(char(unit.unicode() & 0xFF));
    }
    return "/Span <</ActualText <" + utf16.toHex().toUpper() + ">>> BDC\n";
}

struct UnionFind {
    QList<int> parent;
    explicit UnionFind(int n) : parent(n) { std::iota(parent.begin(), parent.end(), 0); }
    int find(int x) { return parent[x] == x ? x : parent[x] = find(parent[x]); }
    void unite(int x, int y) { parent[find(x)] = find(y); }
};

} // namespace

std::optional<QByteArray> addWordSpans(const QByteArray& content, const QSet<QByteArray>& nqFonts,
                                       const QHash<quint16, QString>& codesOf, SpanCount* count)
{
    if (count)
        *count = {};
    const std::optional<QList<Op>> scanned = scanOps(content);
    if (!scanned)
        return std::nullopt;
    const QList<Op>& ops = *scanned;

    QList<Glyph> glyphs;
    QList<Copy> copies;
    QList<Mark> marks;
    Matrix line;
    int lineSerial = 0;
    bool nqFont = false;
    const auto barrier = [&](int op) {
        Glyph g;
        g.op = g.placeOp = op;
        g.barrier = true;
        glyphs.append(g);
    };
    for (int i = 0; i < ops.size(); ++i) {
        const Op& op = ops[i];
        const QByteArray& k = op.keyword;
        if (k == "BT") {
            line = Matrix();
        } else if (k == "Tm" && op.operands.size() == 6) {
            line = matrixOf(content, op);
        } else if (k == "Td" && op.operands.size() == 2) {
            const double tx = numberAt(content, op, 0), ty = numberAt(content, op, 1);
            line.e += line.a * tx + line.c * ty;
            line.f += line.b * tx + line.d * ty;
        } else if (k == "TD" || k == "T*") {
            ++lineSerial;
        } else if (k == "Tf" && !op.operands.isEmpty()) {
            nqFont = nqFonts.contains(bytesOf(content, op.operands.first()).mid(1));
        } else if (k == "BDC") {
            const Mark mark = markOf(content, op);
            marks.append(mark);
            if (mark == Mark::EmptyActualText)
                copies.append({i, -1, int(glyphs.size()), 0});
        } else if (k == "BMC") {
            marks.append(Mark::Plain);
        } else if (k == "EMC") {
            if (marks.isEmpty())
                return std::nullopt;
            if (marks.takeLast() == Mark::EmptyActualText && !copies.isEmpty() && copies.back().emcOp < 0) {
                copies.back().emcOp = i;
                copies.back().glyphCount = int(glyphs.size()) - copies.back().firstGlyph;
            }
        } else if (k == "Tj" || k == "TJ" || k == "'" || k == "\"") {
            if (k == "'" || k == "\"")
                ++lineSerial;
            const bool shown = !nqFont || (k != "Tj" && k != "TJ");
            if (shown || marks.contains(Mark::ActualText)) {
                barrier(i);
                continue;
            }
            const bool copy = marks.contains(Mark::EmptyActualText);
            for (const Token& t : op.operands) {
                if (t.type == Tok::String) { // Qt writes glyph ids as hex; anything else is not ours
                    barrier(i);
                    continue;
                }
                if (t.type != Tok::Hex)
                    continue;
                const QByteArray ids = hexContent(content, t);
                for (qsizetype j = 0; j + 1 < ids.size(); j += 2) {
                    Glyph g;
                    g.cid = quint16((quint8(ids[j]) << 8) | quint8(ids[j + 1]));
                    g.op = i;
                    g.placeOp = (k == "Tj" && i > 0 && ops[i - 1].keyword == "Td") ? i - 1 : i;
                    g.line = line.f;
                    g.lineSerial = lineSerial;
                    g.copy = copy;
                    const QString codes = codesOf.value(g.cid);
                    g.barrier = codes.isEmpty();
                    g.space = !codes.isEmpty() && codes.trimmed().isEmpty();
                    glyphs.append(g);
                }
            }
        }
    }
    if (!marks.isEmpty())
        return std::nullopt;

    // Words: runs of NQ glyphs on one line, between spaces and anything else.
    QList<QList<int>> words;
    QList<int> wordOf(glyphs.size(), -1);
    int last = -1;
    for (int g = 0; g < glyphs.size(); ++g) {
        const Glyph& glyph = glyphs[g];
        if (glyph.copy)
            continue;
        if (glyph.barrier || glyph.space) {
            last = -1;
            continue;
        }
        const bool sameLine = last >= 0 && glyphs[last].lineSerial == glyph.lineSerial
            && std::abs(glyphs[last].line - glyph.line) < 0.01;
        if (!sameLine)
            words.append(QList<int>());
        words.back().append(g);
        wordOf[g] = int(words.size()) - 1;
        last = g;
    }

    // The second drawing of a bold run belongs with the words of its first drawing: the
    // glyphs just before it, one for one.
    UnionFind joined(int(words.size()));
    QList<bool> bold(words.size(), false);
    QList<int> copyWord(copies.size(), -1);
    for (int c = 0; c < copies.size(); ++c) {
        const Copy& copy = copies[c];
        if (copy.emcOp < 0 || copy.glyphCount == 0)
            continue;
        QList<int> first;
        for (int g = copy.firstGlyph - 1; g >= 0 && first.size() < copy.glyphCount; --g) {
            if (!glyphs[g].copy)
                first.prepend(g);
        }
        bool matches = first.size() == copy.glyphCount;
        for (int j = 0; matches && j < first.size(); ++j)
            matches = glyphs[first[j]].cid == glyphs[copy.firstGlyph + j].cid;
        if (!matches)
            continue;
        for (int g : first) {
            if (wordOf[g] < 0)
                continue;
            bold[wordOf[g]] = true;
            if (copyWord[c] >= 0)
                joined.unite(wordOf[g], copyWord[c]);
            copyWord[c] = wordOf[g];
        }
    }

    QHash<quint16, QString> unicodeOf;
    const auto glyphUnicode = [&](quint16 cid) {
        auto it = unicodeOf.constFind(cid);
        if (it == unicodeOf.cend())
            it = unicodeOf.insert(cid, nq::nqToUnicode(codesOf.value(cid)).text);
        return *it;
    };
    const auto wordUnicode = [&](const QList<int>& word) {
        QString codes;
        for (int g : word)
            codes += codesOf.value(glyphs[g].cid);
        return nq::nqToUnicode(codes).text;
    };

    // One span for each word read out of order, and one for each group of words joined by a
    // bold run's copy; a word and its copy must share a span, or readers take the copy too.
    struct Span {
        int firstWord, lastWord;
        bool bold;
    };
    QList<Span> spans;
    for (int w = 0; w < words.size(); ++w) {
        const int root = joined.find(w);
        if (!spans.isEmpty() && spans.back().bold && joined.find(spans.back().lastWord) == root) {
            spans.back().lastWord = w;
            continue;
        }
        QString visual;
        for (int g : words[w])
            visual += glyphUnicode(glyphs[g].cid);
        const bool isBold = bold[w];
        if (isBold || visual != wordUnicode(words[w]))
            spans.append({w, w, isBold});
    }

    struct Edit {
        qsizetype at;
        int order; // at one place: an ending span before a starting one
        QByteArray text;
        qsizetype deleteTo = -1;
    };
    QList<Edit> edits;
    for (const Span& span : spans) {
        QStringList texts;
        for (int w = span.firstWord; w <= span.lastWord; ++w)
            texts.append(wordUnicode(words[w]));
        const int startOp = glyphs[words[span.firstWord].first()].placeOp;
        int endOp = glyphs[words[span.lastWord].last()].op;
        // Qt's own marks on the copies inside the span go: the span's text covers them.
        for (int c = 0; span.bold && c < copies.size(); ++c) {
            if (copyWord[c] < 0 || joined.find(copyWord[c]) != joined.find(span.firstWord))
                continue;
            endOp = std::max(endOp, copies[c].emcOp);
            edits.append({ops[copies[c].bdcOp].start, 2, {}, ops[copies[c].bdcOp].end});
            edits.append({ops[copies[c].emcOp].start, 2, {}, ops[copies[c].emcOp].end});
        }
        edits.append({ops[startOp].start, 1, actualText(texts.join(u' '))});
        edits.append({ops[endOp].end, 0, "\nEMC"});
        if (count)
            ++(span.bold ? count->bold : count->words);
    }
    if (edits.isEmpty())
        return content;
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& x, const Edit& y) { return x.at != y.at ? x.at < y.at : x.order < y.order; });
    QByteArray out;
    out.reserve(content.size() + edits.size() * 24);
    qsizetype at = 0;
    for (const Edit& edit : edits) {
        if (edit.at < at)
            continue; // inside a deleted range
        out.append(content.constData() + at, edit.at - at);
        at = edit.at;
        if (edit.deleteTo >= 0)
            at = edit.deleteTo;
        else
            out.append(edit.text);
    }
    out.append(content.constData() + at, content.size() - at);
    return out;
}

std::optional<QByteArray> dropTextOffPage(const QByteArray& content, double pageBottom, double pageTop,
                                          int* dropped)
{
    if (dropped)
        *dropped = 0;
    const std::optional<QList<Op>> scanned = scanOps(content);
    if (!scanned)
        return std::nullopt;
    QList<Matrix> saved;
    Matrix ctm, textMatrix, lineMatrix;
    double fontSize = 0;
    QByteArray out;
    qsizetype at = 0;
    for (const Op& op : *scanned) {
        const QByteArray& k = op.keyword;
        if (k == "q") {
            saved.append(ctm);
        } else if (k == "Q") {
            if (saved.isEmpty())
                return std::nullopt;
            ctm = saved.takeLast();
        } else if (k == "cm") {
            ctm = multiply(matrixOf(content, op), ctm);
        } else if (k == "BT") {
            textMatrix = lineMatrix = Matrix{};
        } else if (k == "Tm") {
            textMatrix = lineMatrix = matrixOf(content, op);
        } else if (k == "Td" || k == "TD") {
            lineMatrix = multiply(Matrix{1, 0, 0, 1, numberAt(content, op, 0), numberAt(content, op, 1)}, lineMatrix);
            textMatrix = lineMatrix;
        } else if (k == "Tf") {
            fontSize = numberAt(content, op, 1);
        } else if (k == "T*" || k == "'" || k == "\"") {
            return std::nullopt; // line moves by the leading: not what Qt writes, not followed
        } else if (k == "Tj" || k == "TJ") {
            const Matrix place = multiply(textMatrix, ctm);
            // How far a glyph reaches from its baseline, in the page's units.
            const double reach = std::abs(fontSize) * std::hypot(place.c, place.d);
            if (place.f - reach > pageTop || place.f + reach < pageBottom) {
                out.append(content.constData() + at, op.start - at);
                at = op.end;
                if (dropped)
                    ++*dropped;
            }
        }
    }
    if (at == 0)
        return content;
    out.append(content.constData() + at, content.size() - at);
    return out;
}

} // namespace pdftext
