// SPDX-License-Identifier: MIT

// Draws the window's pictures (the adapter photo, the maker's logo and the
// icon in every size) and writes them as PNG files into the given directory;
// for the Win32 window, which GDI draws, also as BMP files and one icon file
// (16 and 32 pixels) into a second directory when one is given.
// It refuses to write anything when the photo's pins are not where the
// wiring diagram's lines end.

#include "AdapterPhoto.h"
#include "IconFile.h"
#include "MakerLogo.h"
#include "WindowIcon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

struct Picture {
    QString fileName;
    QImage image;
};

void Complain(const QString& message)
{
    std::fprintf(stderr, "drawpictures: %s\n", qPrintable(message));
}

// What makes the picture unfit to be written; empty when it is fine.
QStringList ProblemsOf(const Picture& picture)
{
    const QImage& image = picture.image;
    QStringList problems;
    if (image.isNull()) {
        return {picture.fileName + QStringLiteral(": nothing was drawn")};
    }
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() != 16) {
        problems << picture.fileName + QStringLiteral(": %1 palette entries, not 16").arg(image.colorCount());
    }
    if (image.format() != QImage::Format_Indexed8 && image.hasAlphaChannel()) {
        problems << picture.fileName + QStringLiteral(": the photo must have no alpha channel");
    }
    return problems;
}

// Writes the picture and reads it back, so a file that would not load as
// drawn is reported rather than left behind unnoticed.
QStringList Write(const Picture& picture, const QDir& directory)
{
    const QString path = directory.filePath(picture.fileName);
    if (!picture.image.save(path, "PNG")) {
        return {path + QStringLiteral(": cannot write the file")};
    }
    const QImage loaded(path);
    if (loaded.isNull()) {
        return {path + QStringLiteral(": written but cannot be read back")};
    }
    const bool indexed = picture.image.format() == QImage::Format_Indexed8;
    if ((loaded.format() == QImage::Format_Indexed8) != indexed) {
        return {path + QStringLiteral(": read back in another colour format")};
    }
    if (loaded.convertToFormat(QImage::Format_ARGB32) != picture.image.convertToFormat(QImage::Format_ARGB32)) {
        return {path + QStringLiteral(": read back with other pixels than were drawn")};
    }
    return {};
}

// The same pixels in the forms the Win32 window loads.
QStringList WriteForWindows(const QList<Picture>& pictures, const QDir& directory)
{
    QStringList problems;
    QList<QImage> icons;
    for (const Picture& picture : pictures) {
        if (picture.fileName.startsWith(QStringLiteral("icon-"))) {
            if (picture.image.width() <= 32) {
                icons << picture.image;
            }
            continue;
        }
        const QString path = directory.filePath(QString(picture.fileName).replace(QStringLiteral(".png"), ".bmp"));
        if (!picture.image.save(path, "BMP")) {
            problems << path + QStringLiteral(": cannot write the file");
        }
    }
    QFile icon(directory.filePath(QStringLiteral("icon.ico")));
    const QByteArray bytes = IconFile::Encode(icons);
    if (!icon.open(QIODevice::WriteOnly) || icon.write(bytes) != bytes.size()) {
        problems << icon.fileName() + QStringLiteral(": cannot write the file");
    }
    return problems;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Fonts need a platform plugin, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        Complain(QStringLiteral("usage: drawpictures OUTPUT-DIRECTORY [WINDOWS-OUTPUT-DIRECTORY]"));
        return 2;
    }
    const QDir directory(arguments.at(1));
    if (!directory.exists()) {
        Complain(QStringLiteral("no such directory: %1").arg(arguments.at(1)));
        return 1;
    }

    QList<Picture> pictures{
        {QStringLiteral("adapter.png"), AdapterPhoto::Draw()},
        {QStringLiteral("logo.png"), MakerLogo::Draw()},
    };
    for (const int size : WindowIcon::kSizes) {
        pictures.append({QStringLiteral("icon-%1.png").arg(size), WindowIcon::Draw(size)});
    }

    QStringList problems = AdapterPhoto::Misfits(pictures.front().image);
    for (const Picture& picture : pictures) {
        problems << ProblemsOf(picture);
    }
    if (!problems.isEmpty()) {
        for (const QString& problem : problems) {
            Complain(problem);
        }
        Complain(QStringLiteral("nothing written"));
        return 1;
    }

    for (const Picture& picture : pictures) {
        problems << Write(picture, directory);
    }
    if (arguments.size() == 3) {
        problems << WriteForWindows(pictures, QDir(arguments.at(2)));
    }
    // The photo once more as read back from its file, as the window will show it.
    const QImage photoAsWritten(directory.filePath(pictures.front().fileName));
    if (!photoAsWritten.isNull()) {
        problems << AdapterPhoto::Misfits(photoAsWritten);
    }
    for (const QString& problem : problems) {
        Complain(problem);
    }
    return problems.isEmpty() ? 0 : 1;
}
