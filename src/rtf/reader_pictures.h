#pragma once
// Pictures (\pict): PNG and JPEG are decoded within the document's picture budget; the
// others, and those past the budget, stand as placeholders that keep the data as read.

#include "rtf/reader_room.h"

#include <QByteArray>
#include <QHash>
#include <QSizeF>
#include <QString>

namespace rtf {

class BodyText;
class DocumentBuilder;
struct ReadNotes;

class Pictures final : public Room {
public:
    Pictures(BodyText& body, DocumentBuilder& builder, qint64 budget) : body_(body), builder_(builder), budgetLeft_(budget) {}

    void setNotes(ReadNotes& notes) { notes_ = &notes; }
    // \pict
    void start() { picture_ = Picture{}; }
    bool word(Cmd cmd, const Token& token) override;
    void text(std::string_view bytes) override;
    void hexByte(unsigned char) override {}
    void binary(std::string_view bytes) override;
    void groupClosed(GroupState& parent) override;

private:
    struct Picture {
        QByteArray bytes;
        int pendingNibble = -1;
        bool usable = false;     // PNG or JPEG
        int widthGoal = 0;       // twips
        int heightGoal = 0;
        int scaleX = 100;
        int scaleY = 100;
        int width = 0;           // \picw, \pich: pixels, or for metafiles 0.01 mm
        int height = 0;
        bool metafile = false;
        QByteArray header;       // the group's words but the display size, to write it back as read
    };

    void finish();
    QString placeholderImage(QSizeF size);

    BodyText& body_;
    DocumentBuilder& builder_;
    ReadNotes* notes_ = nullptr;
    Picture picture_;
    qint64 budgetLeft_;
    QHash<quint32, QString> placeholders_;  // by the placeholder image's size
};

} // namespace rtf
