#include "window/ColourMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "player/FrameDataStore.h"
#include "zorsim/Host.h"

namespace zorhost {

ColourMenu::ColourMenu(QMenu& plotMenu, zorsim::Host& host, FrameDataStore& frameData, Actor act)
    : host_(host), frameData_(frameData), act_(std::move(act))
{
    plotMenu.addSeparator();
    colourBy_ = plotMenu.addMenu("&Colour By");
    colourBy_->setObjectName("colourByMenu");
    QObject::connect(&plotMenu, &QMenu::aboutToShow, colourBy_, [this] { update(); });
}

void ColourMenu::update()
{
    // The group of the last listing goes with its entries.
    delete colourBy_->findChild<QActionGroup*>();
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

}  // namespace zorhost
