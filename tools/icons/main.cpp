// Renders one SVG into a square, transparent PNG.
//
//   vantrel_iconrender <input.svg> <size> <output.png> [NAME=VALUE ...]
//
// Every "@NAME@" in the SVG text is replaced by VALUE first, so that one
// source can yield several colour variants of the same glyph.

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

// The SVG module reports unsupported features as warnings and then draws
// something else; an image set that silently differs from its source is a
// build error.
bool svgWarned = false;
QtMessageHandler defaultHandler = nullptr;

void watchSvgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && context.category && qstrncmp(context.category, "qt.svg", 6) == 0)
        svgWarned = true;
    // A build machine has no session; the platform's remark about that would
    // only repeat once per rendered image.
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    defaultHandler(type, context, message);
}

int fail(const QString &message)
{
    QTextStream(stderr) << "vantrel_iconrender: " << message << '\n';
    return 1;
}

bool substitute(QByteArray &svg, const QStringList &assignments, QString *error)
{
    for (const QString &assignment : assignments) {
        const int separator = assignment.indexOf(QLatin1Char('='));
        if (separator <= 0) {
            *error = QStringLiteral("expected NAME=VALUE, got \"%1\"").arg(assignment);
            return false;
        }
        const QByteArray placeholder = '@' + assignment.left(separator).toUtf8() + '@';
        svg.replace(placeholder, assignment.mid(separator + 1).toUtf8());
    }
    const int leftover = svg.indexOf('@');
    if (leftover >= 0) {
        *error = QStringLiteral("unreplaced placeholder near \"%1\"")
                     .arg(QString::fromUtf8(svg.mid(leftover, 24)));
        return false;
    }
    return true;
}

QImage render(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text in the dial faces needs the font database, hence a GUI
    // application; it never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(watchSvgWarnings);
    QGuiApplication application(argc, argv);

    QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 3)
        return fail(QStringLiteral("usage: <input.svg> <size> <output.png> [NAME=VALUE ...]"));
    const QString input = arguments.takeFirst();
    bool sizeValid = false;
    const int size = arguments.takeFirst().toInt(&sizeValid);
    const QString output = arguments.takeFirst();
    if (!sizeValid || size <= 0 || size > 4096)
        return fail(QStringLiteral("invalid size"));

    QFile source(input);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(input));
    QByteArray svg = source.readAll();
    QString error;
    if (!substitute(svg, arguments, &error))
        return fail(QStringLiteral("%1: %2").arg(input, error));

    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1: not a valid SVG").arg(input));
    const QImage image = render(renderer, size);
    if (svgWarned)
        return fail(QStringLiteral("%1: uses SVG features that Qt cannot draw").arg(input));
    if (!image.save(output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}
