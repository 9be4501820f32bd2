#include "rtf/reader_fields.h"

#include "rtf/field_instruction.h"

namespace rtf {

void Fields::startField()
{
    instructions_.emplace_back();
    state_.field = int(instructions_.size()) - 1;
}

void Fields::startInstruction()
{
    state_.destination = Destination::FieldInstruction;
}

void Fields::startResult()
{
    state_.destination = Destination::Body;
    if (state_.field < 0)
        return;
    const QString target = hyperlinkTarget(instructions_[state_.field]);
    if (!target.isEmpty()) {
        links_.append(target);
        state_.chars.link = int(links_.size()) - 1;
    }
}

void Fields::text(std::string_view bytes)
{
    if (state_.field >= 0)
        instructions_[state_.field].append(QLatin1StringView(bytes.data(), qsizetype(bytes.size())));
}

void Fields::character(char16_t ch)
{
    if (state_.field >= 0)
        instructions_[state_.field].append(QChar(ch));
}

} // namespace rtf
