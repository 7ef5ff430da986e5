#include "macro/CommandExecuterAbstractFactory.h"

#include <string>
#include <vector>

#include "animation/AnimationDriver.h"
#include "gui/DialogMain.h"

std::unique_ptr<CommandExecuterAbstract> CommandExecuterAbstractFactory::create(Command_e command)
{
    switch (command) {
    case OpenSettingsFile:
        return std::make_unique<CommandExecuterOpenSettings>();
    case Animate:
        return std::make_unique<CommandExecuterAnimate>();
    }
    return nullptr;
}

void CommandExecuterAbstractFactory::CommandExecuterOpenSettings::execute(
    const AddOnMacroCommandManager::ParameterList& parameters)
{
    std::string fileName;
    macroCommandManager().getParameterValue(FileName, parameters, fileName);
    DialogMain& dialog = DialogMain::get();
    std::vector<KeyFrame_s> keyFrames;
    AnimationSettings_s settings = dialog.getSettings();
    DialogMain::openSettingsFile(fileName, keyFrames, settings);
    dialog.setSettings(settings);
    dialog.setKeyFrames(keyFrames);
}

void CommandExecuterAbstractFactory::CommandExecuterAnimate::execute(
    const AddOnMacroCommandManager::ParameterList& parameters)
{
    DialogMain& dialog = DialogMain::get();
    AnimationSettings_s settings = dialog.getSettings();
    macroCommandManager().getParameterValue(AnimationDestination, parameters, settings.destination);
    dialog.setSettings(settings);
    const std::vector<KeyFrame_s>& keyFrames = dialog.getKeyFrames();
    animateKeyFrames(keyFrames, 0, keyFrames.size(), settings, Record);
}
