// The template list view: template controls drawn and hit per item (hidden ones neither), hit
// order after scrolling, presses reported, selection across rows both ways, what model and
// size changes forget, templates that are no container or go away, element states kept, item
// background states, and its JSON (a page's child container becoming the template).

#include "ControlTestUtil.h"
#include "MOXQContainer.h"
#include "MOXQLabel.h"
#include "MOXQLabelEx.h"
#include "MOXQListView.h"
#include "MOXQPageFile.h"
#include "MOXQtLib.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

FillStyle fill(const QColor& colour)
{
    FillStyle style;
    style.fillRes.color = colour;
    return style;
}

// A view 200 x 100 of `rows` items 30 high (no spacing), its template 200 x 30 holding
// coloured boxes at fixed places: "a" (10..49), "b" (60..119), "over" (40..59, above "a" and
// "b" since it comes later), "ghost" (130..169, not drawn in items) and "gone" (175..194,
// hidden by hand).
struct Fixture
{
    std::unique_ptr<MOXQListView> view = std::make_unique<MOXQListView>();
    QStandardItemModel model;
    MOXQContainer* box = new MOXQContainer;
    std::map<QString, MOXQContainer*> parts;

    explicit Fixture(int rows = 50) : model(rows, 1)
    {
        ctltest::loadTestResources();
        view->resize(200, 100);
        view->setSpacing(0);
        view->setItemHeight(30);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setModel(&model);
        box->setChildLayout(AutoChildLayout(4));
        box->setBackground(fill(Qt::white));
        const struct
        {
            const char* name;
            QRect rect;
            QColor colour;
        } layout[] = {{"a", {10, 5, 40, 20}, Qt::red},
                      {"b", {60, 5, 60, 20}, Qt::green},
                      {"over", {40, 5, 20, 20}, Qt::blue},
                      {"ghost", {130, 5, 40, 20}, Qt::magenta},
                      {"gone", {175, 5, 20, 20}, Qt::cyan}};
        for (const auto& part : layout) {
            auto* c = new MOXQContainer(box);
            c->setObjectName(part.name);
            c->setBackground(fill(part.colour));
            c->QWidget::setGeometry(part.rect);
            parts[part.name] = c;
        }
        parts["ghost"]->impl()->setDelegateItemVisible(false);
        parts["gone"]->hide();
        view->setItemTemplate(box);
        view->show();
    }
    ~Fixture() { delete box; }

    QImage image() const
    {
        QImage out(view->viewport()->size(), QImage::Format_ARGB32);
        out.fill(Qt::black);
        view->viewport()->render(&out);
        return out;
    }
    QString hitAt(const QPoint& pos) const
    {
        QWidget* hit = view->impl()->elementAt(view->indexAt(pos), pos);
        return hit ? hit->objectName() : QString();
    }
};

} // namespace

TEST(ListView, TemplateControlsAreDrawnAndHitInEveryItemButHiddenOnes)
{
    Fixture f;
    const QImage image = f.image();
    const struct
    {
        QPoint at;
        QColor drawn;
        const char* hit;
    } cases[] = {{{20, 15}, Qt::red, "a"},         {{20, 45}, Qt::red, "a"},
                 {{45, 75}, Qt::blue, "over"},     {{100, 15}, Qt::green, "b"},
                 {{150, 15}, Qt::white, ""},       {{185, 45}, Qt::white, ""},
                 {{5, 15}, Qt::white, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(image.pixelColor(c.at), c.drawn) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(f.hitAt(c.at), c.hit) << c.at.x() << "," << c.at.y();
    }
}

TEST(ListView, HitsFollowTheItemsAfterScrollingAndPressesAreReported)
{
    Fixture f;
    std::vector<std::pair<QWidget*, int>> pressed;
    QObject::connect(f.view.get(), &MOXQListView::pressCtrl,
                     [&](QWidget* control, const QModelIndex& index) {
                         pressed.emplace_back(control, index.row());
                     });
    const struct
    {
        int scroll;
        QPoint at;
        int row;
        const char* hit;
    } cases[] = {{0, {20, 10}, 0, "a"},   {45, {20, 10}, 1, ""},   {45, {20, 20}, 2, "a"},
                 {45, {45, 50}, 3, "over"}, {300, {100, 2}, 10, ""}, {300, {100, 12}, 10, "b"},
                 {1000, {55, 90}, 36, "over"}};
    for (const auto& c : cases) {
        f.view->verticalScrollBar()->setValue(c.scroll);
        ASSERT_EQ(f.view->indexAt(c.at).row(), c.row) << c.scroll;
        EXPECT_EQ(f.hitAt(c.at), c.hit) << c.scroll << " " << c.at.y();
        pressed.clear();
        ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Press, c.at);
        ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Release, c.at);
        if (*c.hit == 0) {
            EXPECT_TRUE(pressed.empty()) << c.scroll;
            continue;
        }
        ASSERT_EQ(pressed.size(), 1u) << c.scroll;
        EXPECT_EQ(pressed[0].first, f.parts[c.hit]);
        EXPECT_EQ(pressed[0].second, c.row);
    }
}

TEST(ListView, ElementStatesAreDrawnHotAndRestoredAfterStamping)
{
    Fixture f;
    MOXQWidgetBaseImpl* a = f.parts["a"]->impl();
    a->setState(CtrlStateDisable);
    ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Move, QPoint(20, 45));
    EXPECT_EQ(f.view->impl()->hoverRow(), 1);
    EXPECT_EQ(f.view->impl()->hoverElement(), f.parts["a"]);
    f.image();
    // The template's own state survives every item drawn hot or pressed.
    EXPECT_EQ(a->getState(), CtrlStateDisable);
    ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Press, QPoint(20, 45));
    EXPECT_EQ(f.view->impl()->pressRow(), 1);
    f.image();
    EXPECT_EQ(a->getState(), CtrlStateDisable);
    ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Release, QPoint(20, 45));
    // Over the item but no control: the item is Hot, no control is.
    f.view->setItemBackground(CtrlStateAll, fill(Qt::darkGray));
    f.view->setItemBackground(CtrlStateHot, fill(Qt::gray));
    ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Move, QPoint(5, 75));
    EXPECT_EQ(f.view->impl()->hoverRow(), 2);
    EXPECT_EQ(f.view->impl()->hoverElement(), nullptr);
    const QImage image = f.image();
    EXPECT_EQ(image.pixelColor(5, 75), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(5, 45), QColor(Qt::darkGray));
    ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Leave);
    EXPECT_EQ(f.view->impl()->hoverRow(), -1);
}

TEST(ListView, TemplatesThatAreNoContainerOrGoAwayDrawAndHitNothing)
{
    for (int variant = 0; variant < 3; ++variant) {
        Fixture f;
        if (variant == 0) f.view->setItemTemplate(new QWidget(f.view.get()));
        if (variant == 1) {
            delete f.box;
            f.box = nullptr;
        }
        if (variant == 2) f.view->setItemTemplate(nullptr);
        f.view->setBackground(CommonCtrlStateNormal, fill(Qt::yellow));
        const QImage image = f.image();
        EXPECT_EQ(image.pixelColor(20, 15), QColor(Qt::yellow)) << variant;
        EXPECT_EQ(f.hitAt(QPoint(20, 15)), "") << variant;
        // Items keep the item height without a template.
        EXPECT_EQ(f.view->visualRect(f.model.index(1, 0)).top(), 30) << variant;
    }
}

TEST(ListView, SelectionRunsAcrossRowsEitherWayAndModelChangesForgetIt)
{
    auto selectionFixture = [](Fixture& f) {
        auto* label = new MOXQLabelEx(f.box);
        label->setObjectName("text");
        label->QWidget::setGeometry(0, 0, 200, 30);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        f.view->setItemTemplate(f.box);
        f.view->setItemDisplayCallBack([](const MOXQListView*, const QWidget* t, const QModelIndex& i) {
            t->findChild<MOXQLabelEx*>("text")->setText(QString("row %1 of the list").arg(i.row()));
        });
        f.view->setEnableSelection(true);
        return label;
    };
    for (bool upwards : {false, true}) {
        Fixture f;
        MOXQLabelEx* label = selectionFixture(f);
        const QPoint row0(40, 10), row2(40, 70);
        ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Press, upwards ? row2 : row0);
        ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Drag, upwards ? row0 : row2);
        MOXQListViewImpl* impl = f.view->impl();
        ASSERT_TRUE(impl->selectionAnchor().isValid());
        ASSERT_TRUE(impl->selectionEnd().isValid());
        const QTextDocument& doc = label->impl()->document();
        const MOXTextSpot mid = MOXTextSelection::spotAt(doc, QPointF(40, 10));
        const MOXTextSpot end = MOXTextSelection::documentEnd(doc);
        EXPECT_EQ(impl->selectionInRow(0, doc), MOXTextSelection(mid, end)) << upwards;
        EXPECT_EQ(impl->selectionInRow(1, doc), MOXTextSelection::all(doc)) << upwards;
        EXPECT_EQ(impl->selectionInRow(2, doc), MOXTextSelection({0, 0, 0}, mid)) << upwards;
        EXPECT_FALSE(impl->selectionInRow(3, doc).exists()) << upwards;
        // Painting leaves the template's label without a selection of its own.
        const QImage image = f.image();
        EXPECT_FALSE(label->selection().exists());
        const auto highlight = [](const QColor& c) { return c == MOXQLabelExImpl::selectionColor(); };
        EXPECT_GT(ctltest::countPixels(image, highlight, QRect(0, 30, 200, 30)), 200) << upwards;
        EXPECT_EQ(ctltest::countPixels(image, highlight, QRect(0, 90, 200, 10)), 0) << upwards;
    }

    // Whatever changes the rows, their data or the view's size drops selection and hover.
    QStandardItemModel other(5, 1);
    const std::function<void(Fixture&)> changes[] = {
        [](Fixture& f) { f.model.clear(); },
        [](Fixture& f) { f.model.insertRow(0); },
        [](Fixture& f) { f.model.removeRow(0); },
        [](Fixture& f) { f.model.setData(f.model.index(2, 0), "x"); },
        [](Fixture& f) { f.view->resize(180, 100); },
        [&other](Fixture& f) { f.view->setModel(&other); },
    };
    int n = 0;
    for (const auto& change : changes) {
        Fixture f;
        selectionFixture(f);
        ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Press, QPoint(40, 10));
        ctltest::sendMouse(f.view->viewport(), ctltest::Mouse::Drag, QPoint(40, 40));
        ASSERT_TRUE(f.view->impl()->selectionEnd().isValid()) << n;
        ASSERT_EQ(f.view->impl()->hoverRow(), 1) << n;
        change(f);
        EXPECT_FALSE(f.view->impl()->selectionAnchor().isValid()) << n;
        EXPECT_FALSE(f.view->impl()->selectionEnd().isValid()) << n;
        EXPECT_EQ(f.view->impl()->hoverRow(), -1) << n;
        EXPECT_EQ(f.view->impl()->pressRow(), -1) << n;
        ++n;
    }
}

TEST(ListView, ItemBackgroundStatesAndWhatTheStyleWriterKeeps)
{
    MOXQListView view;
    // Until set, item backgrounds draw nothing.
    EXPECT_FALSE(view.getItemBackground(CtrlStateHot).valid);
    const struct
    {
        int state;
        QColor colour;
        QColor expect[4];
    } cases[] = {{4, Qt::red, {Qt::red, Qt::red, Qt::red, Qt::red}},
                 {1, Qt::green, {Qt::red, Qt::green, Qt::red, Qt::red}},
                 {5, Qt::blue, {Qt::red, Qt::green, Qt::red, Qt::red}},
                 {-1, Qt::blue, {Qt::red, Qt::green, Qt::red, Qt::red}},
                 {3, Qt::black, {Qt::red, Qt::green, Qt::red, Qt::black}}};
    for (const auto& c : cases) {
        view.setItemBackground(CtrlState(c.state), fill(c.colour));
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(view.getItemBackground(CtrlState(s)).fillRes.color, c.expect[s]) << c.state;
    }
    EXPECT_EQ(view.getItemBackground(CtrlState(9)).fillRes.color, QColor(Qt::red));

    // Four named states come back as four.
    const auto read = controlFrom<MOXQListView>(parsed(
        R"({"style": [["fillA", 1, 0], ["fillA", 1, 2], ["fillB", 1, 3], ["fillC", 1, 4], ["fillD", 1, 5]]})"));
    const auto again = controlFrom<MOXQListView>(written(read.get()));
    const char* names[] = {"fillA", "fillB", "fillC", "fillD"};
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(again->getItemBackground(CtrlState(s)).name, names[s]) << s;
    EXPECT_EQ(again->getBackground(CommonCtrlStateNormal).name, "fillA");
}

TEST(ListView, JsonRoundTripAndAPageChildContainerBecomesTheTemplate)
{
    // A new view writes the spacing it starts with and the list mode, no item sizes.
    MOXQListView fresh;
    const Json::Value plain = written(&fresh);
    EXPECT_EQ(plain["attr"]["spacing"].asInt(), 1);
    EXPECT_EQ(plain["attr"]["itemMode"].asInt(), 0);
    EXPECT_FALSE(plain["attr"].isMember("itemHeight"));
    EXPECT_FALSE(plain["attr"].isMember("itemWidth"));
    // Spacing 0 stays 0 (a view starts with 1).
    EXPECT_EQ(written(controlFrom<MOXQListView>(parsed(R"({"attr": {"spacing": 0}})")).get())["attr"]["spacing"].asInt(), 0);

    const Json::Value in = parsed(R"({"attr": {"itemHeight": 32, "itemWidth": 50, "spacing": 3,
        "itemMode": 1, "items": [{"title": "One"}, {"title": {"attr": {"text": "Two"}}}, 7]}})");
    const auto view = controlFrom<MOXQListView>(in);
    EXPECT_EQ(view->model()->rowCount(), 2);
    const Json::Value out = written(view.get());
    for (const char* key : {"itemHeight", "itemWidth", "spacing", "itemMode"})
        EXPECT_EQ(out["attr"][key], in["attr"][key]) << key;
    EXPECT_EQ(out["attr"]["items"].size(), 2u);
    EXPECT_EQ(written(controlFrom<MOXQListView>(out).get()), out);

    // Created from a page: the child container is the template, filled from "items".
    MOXQtLib::init();
    for (const char* type : {"qtlistview", "listview", "templateList"}) {
        QWidget host;
        host.resize(300, 200);
        Json::Value page = parsed(R"({"elements": [{"type": "qtcontainer", "child": [
            {"type": "TYPE", "name": "cards", "w": 300, "h": 200,
             "attr": {"itemHeight": 40, "items": [{"title": "Alpha"}, {"title": "Beta"}, {}]},
             "child": [{"type": "qtcontainer", "name": "card", "attr": {"childLayout": 0},
                        "child": [{"type": "qtlabel", "name": "title", "h": 30, "attr": {"text": "Plain"}}]}]}]}]})");
        page["elements"][0]["child"][0]["type"] = type;
        moxCreatePageFromJson(&host, page);
        auto* list = host.findChild<MOXQListView*>("cards");
        ASSERT_NE(list, nullptr) << type;
        EXPECT_EQ(list->getitemTemplate(), host.findChild<MOXQContainer*>("card")) << type;
        EXPECT_TRUE(list->getitemTemplate()->isHidden()) << type;
        host.show();
        const QModelIndex second = list->model()->index(1, 0);
        const QRect item = list->visualRect(second);
        EXPECT_EQ(item.height(), 40) << type;
        EXPECT_EQ(list->impl()->elementAt(second, item.center()),
                  host.findChild<QWidget*>("title"))
            << type;
        // A plain label draws its text into every item.
        QImage image(list->viewport()->size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        list->viewport()->render(&image);
        const auto dark = [](const QColor& c) { return c.lightness() < 128; };
        EXPECT_GT(ctltest::countPixels(image, dark, list->visualRect(list->model()->index(0, 0))), 10)
            << type;
        // An item that leaves a control out shows what the template holds.
        auto* title = host.findChild<MOXQLabel*>("title");
        list->impl()->stamp(list->model()->index(0, 0), item.size());
        EXPECT_EQ(title->getText(), "Alpha") << type;
        list->impl()->stamp(list->model()->index(2, 0), item.size());
        EXPECT_EQ(title->getText(), "Plain") << type;
        // The template is written back as the view's child.
        EXPECT_EQ(written(list)["child"][0]["name"].asString(), "card") << type;
    }
}
