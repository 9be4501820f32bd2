#pragma once
// Fields (\field): the instruction (\fldinst) is collected; the result (\fldrslt) is body
// text, a hyperlink when the instruction names one.

#include "rtf/reader_room.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rtf {

class Fields final : public Room {
public:
    explicit Fields(GroupState& state) : state_(state) {}

    // \field, \fldinst and \fldrslt in the current group.
    void startField();
    void startInstruction();
    void startResult();

    void text(std::string_view bytes) override;
    void character(char16_t ch) override;

    // The target of CharProps::link; empty for none.
    QString link(int index) const { return index >= 0 && index < links_.size() ? links_[index] : QString(); }

private:
    GroupState& state_;
    std::vector<QString> instructions_;
    QStringList links_;
};

} // namespace rtf
