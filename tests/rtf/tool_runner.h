#pragma once
// Runs the norvelin-rtf executable (NORVELIN_RTF_TOOL) and keeps what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace rtf_test {

struct ToolRun {
    int exitCode = -1;   // -1 when it crashed or did not end in time
    QString output;
    QString errors;
};

// `prefix`, when given, is a command that runs the tool (such as one that changes the user).
inline ToolRun runTool(const QStringList& arguments, int timeoutMs = 60000, const QString& workingDirectory = {},
                       const QStringList& prefix = {})
{
    QProcess tool;
    tool.setWorkingDirectory(workingDirectory);
    if (prefix.isEmpty())
        tool.start(QStringLiteral(NORVELIN_RTF_TOOL), arguments);
    else
        tool.start(prefix[0], prefix.mid(1) + QStringList{QStringLiteral(NORVELIN_RTF_TOOL)} + arguments);
    ToolRun run;
    if (!tool.waitForFinished(timeoutMs))
        return run;
    run.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.output = QString::fromUtf8(tool.readAllStandardOutput());
    run.errors = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

} // namespace rtf_test
