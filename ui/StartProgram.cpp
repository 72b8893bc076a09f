// SPDX-License-Identifier: MIT

#include "StartProgram.h"

#include "RuntimeError.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace platform {

void StartProgram(const QString& commandLine)
{
    for (qsizetype end = commandLine.indexOf(u' ', 1);; end = commandLine.indexOf(u' ', end + 1)) {
        const QString program = end < 0 ? commandLine : commandLine.left(end);
        const QFileInfo file(program);
        if (!program.isEmpty() && file.exists() && !file.isDir()) {
            if (!file.isExecutable()) {
                throw RuntimeError(RuntimeError::PermissionDenied, ("Permission denied: " + program).toStdString());
            }
            QProcess process;
            process.setProgram(program);
            if (end >= 0) {
                process.setArguments({commandLine.mid(end + 1)});
            }
            if (!process.startDetached()) {
                throw RuntimeError(RuntimeError::InvalidArgument,
                                   ("Can not start " + program + ": " + process.errorString()).toStdString());
            }
            return;
        }
        if (end < 0) {
            break;
        }
    }
    throw RuntimeError(RuntimeError::FileNotFound, "File not found");
}

}  // namespace platform
