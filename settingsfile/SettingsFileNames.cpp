#include "settingsfile/SettingsFileNames.h"

template <>
const EnumNameMap<SectionId_e>& enumNameMap<SectionId_e>()
{
    static const EnumNameMap<SectionId_e> names{
        {SectionId_Settings, "%Settings"},
        {SectionId_KeyFrameView, "%KeyFrameView"},
    };
    return names;
}

template <>
const EnumNameMap<SettingId_e>& enumNameMap<SettingId_e>()
{
    static const EnumNameMap<SettingId_e> names{
        {SettingId_AnimateTime, "AnimateTime"}, {SettingId_TimeAnimationOperation, "TimeAnimationOperation"},
        {SettingId_NumCycles, "NumCycles"},     {SettingId_AnimateStreamtraces, "AnimateStreamtraces"},
        {SettingId_FadeIn, "FadeIn"},           {SettingId_FadeOut, "FadeOut"},
    };
    return names;
}

template <>
const EnumNameMap<KeyFrameItemId_e>& enumNameMap<KeyFrameItemId_e>()
{
    static const EnumNameMap<KeyFrameItemId_e> names{
        {KeyFrameItemId_Name, "Name"},
        {KeyFrameItemId_Position, "Position"},
        {KeyFrameItemId_Angle, "Angle"},
        {KeyFrameItemId_Width, "Width"},
        {KeyFrameItemId_FrameCount, "FrameCount"},
        {KeyFrameItemId_SolutionTime, "SolutionTime"},
    };
    return names;
}

template <>
const EnumNameMap<TimeAnimationOperation_e>& enumNameMap<TimeAnimationOperation_e>()
{
    static const EnumNameMap<TimeAnimationOperation_e> names{
        {Forward, "Forward"},
        {Loop, "Loop"},
        {Bounce, "Bounce"},
        {AsCaptured, "AsCaptured"},
    };
    return names;
}
