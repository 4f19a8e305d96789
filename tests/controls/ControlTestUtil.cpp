#include "ControlTestUtil.h"

#include "IMOXQWidgetBase.h"
#include "MOXQResourceManager.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace ctltest {

using namespace MOXQtLib;

void loadTestResources()
{
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    const QString dir = testsupport::tempDir(QStringLiteral("control-skin"));
    testsupport::writeFile(dir + "/style.json", R"({"style": [
        {"type": 1, "name": "fillA", "drawImg": false, "clr": "FF112233"},
        {"type": 1, "name": "fillB", "drawImg": false, "clr": "FF445566"},
        {"type": 1, "name": "fillC", "drawImg": false, "clr": "FF778899"},
        {"type": 1, "name": "fillD", "drawImg": false, "clr": "FFAABBCC"},
        {"type": 2, "name": "textBig", "size": 20, "clr": "FFFF0000"},
        {"type": 2, "name": "textGreen", "size": 12, "clr": "FF00FF00"}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    manager->setSkinDirPath(dir + "/");
    manager->readLanguage(
        testsupport::utf16le(QStringLiteral("Language\tEnglish\tGerman\r\n"
                                            "ok\tOK\tJa\r\ncancel\tCancel\tAbbrechen\r\n")));
    manager->setCurrentLanguage(QStringLiteral("English"));
}

Json::Value parsed(const char* text)
{
    Json::Value value;
    jsonParse(std::string(text), value);
    return value;
}

Json::Value written(QWidget* control)
{
    Json::Value out(Json::objectValue);
    if (IMOXQWidgetBase* c = qobject_cast<IMOXQWidgetBase*>(control))
        c->serializeJsonValue(&out, false);
    return out;
}

void sendMouse(QWidget* widget, Mouse step, const QPoint& pos)
{
    if (step == Mouse::Leave) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
        return;
    }
    const QEvent::Type type = step == Mouse::Press     ? QEvent::MouseButtonPress
                              : step == Mouse::Release ? QEvent::MouseButtonRelease
                                                       : QEvent::MouseMove;
    const bool moving = type == QEvent::MouseMove;
    const Qt::MouseButtons held = step == Mouse::Press || step == Mouse::Drag ? Qt::LeftButton
                                                                              : Qt::NoButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), moving ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QImage rendered(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int countPixels(const QImage& image, const std::function<bool(const QColor&)>& test,
               const QRect& area)
{
    const QRect r = area.isEmpty() ? image.rect() : area.intersected(image.rect());
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(image.pixelColor(x, y))) ++count;
    return count;
}

} // namespace ctltest
