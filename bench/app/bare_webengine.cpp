// A bare web view window of the player's size, the yardstick for the
// player's start-up time: the map column will embed the same web engine.
#include <QApplication>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QWebEngineView view;
    view.setHtml(QStringLiteral("<html><body style=\"background:#2c2c34\"></body></html>"));
    view.resize(921, 628);
    view.show();
    return application.exec();
}
