#include "FuzzTargets.h"

#include "IMOXQWidgetBase.h"
#include "MOXChartControls.h"
#include "MOXJson.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQtLib.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>

using namespace MOXQtLib;

namespace fuzztargets {

namespace {

Json::Value pageOf(const Json::Value& element)
{
    Json::Value page(Json::objectValue);
    page["elements"].append(element);
    return page;
}

Json::Value writtenPage(MOXQContainer* page)
{
    Json::Value out(Json::objectValue);
    page->serializeJsonValue(&out, false);
    return out;
}

} // namespace

void pageFileSetUp(int* argc, char*** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(*argc, *argv);
    init();
    registerChartControls();
}

bool pageFile(const std::uint8_t* data, std::size_t size)
{
    Json::Value document;
    if (!jsonParse(QByteArray(reinterpret_cast<const char*>(data), int(size)), document))
        return true;
    QWidget host;
    host.resize(640, 480);
    MOXQContainer* page = moxCreatePageFromJson(&host, document);
    if (!page) return true;
    // What the page writes builds a page that writes the same again.
    const Json::Value first = writtenPage(page);
    QWidget again;
    again.resize(640, 480);
    MOXQContainer* rebuilt = moxCreatePageFromJson(&again, pageOf(first));
    return rebuilt && jsonWrite(writtenPage(rebuilt)) == jsonWrite(first);
}

} // namespace fuzztargets
