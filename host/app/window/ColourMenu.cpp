#include "window/ColourMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <string>

#include "player/FrameDataStore.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

const char* const legendPath = "COLORLEGEND SHOW";

}  // namespace

ColourMenu::ColourMenu(QMenu& viewMenu, zorsim::Host& host, FrameDataStore& frameData, Actor act)
    : host_(host), frameData_(frameData), act_(std::move(act))
{
    viewMenu.addSeparator();
    colourBy_ = viewMenu.addMenu("&Colour By");
    colourBy_->setObjectName("colourByMenu");
    legend_ = viewMenu.addAction("Colour &Legend");
    legend_->setCheckable(true);
    QObject::connect(legend_, &QAction::triggered, legend_, [this](bool show) { showLegend(show); });
    QObject::connect(&viewMenu, &QMenu::aboutToShow, colourBy_, [this] { update(); });
}

void ColourMenu::update()
{
    legend_->setChecked(host_.styles.boolValue(legendPath));
    colourBy_->clear();
    const LoadedDataSet* file = frameData_.currentDataFile(host_);
    colourBy_->setEnabled(file != nullptr);
    if (file == nullptr)
        return;
    auto* choices = new QActionGroup(colourBy_);
    const int chosen = frameData_.colourVariable(host_);
    for (int variable = -1; variable < static_cast<int>(file->variables().size()); ++variable) {
        const QString label =
            variable < 0
                ? QString("&Height")
                : QString::fromStdString(file->variables()[static_cast<std::size_t>(variable)].name).replace('&', "&&");
        QAction* choice = colourBy_->addAction(label);
        choice->setCheckable(true);
        choice->setChecked(variable == chosen);
        choice->setActionGroup(choices);
        QObject::connect(choice, &QAction::triggered, choice, [this, variable] { colourBy(variable); });
    }
}

void ColourMenu::colourBy(int variable)
{
    act_([this, variable] {
        frameData_.colourBy(host_, variable);
        host_.drawing.redraw(true);
    });
}

void ColourMenu::showLegend(bool show)
{
    act_([this, show] {
        host_.styles.setValue(legendPath, show);
        host_.macro.recordRaw(std::string("$!STYLE PATH = \"") + legendPath +
                              "\" VALUE = " + (show ? "TRUE" : "FALSE"));
        host_.drawing.redraw(true);
    });
}

}  // namespace zorhost
