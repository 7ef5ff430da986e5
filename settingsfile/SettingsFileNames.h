// The words of the settings file: section headers, the keys of both kinds
// of section and the names of the time animation operations. The writer
// spells them from these tables; the reader looks words up in them without
// regard to letter case.
#ifndef KFA_SETTINGSFILE_SETTINGS_FILE_NAMES_H
#define KFA_SETTINGSFILE_SETTINGS_FILE_NAMES_H

#include "animation/AnimationSettings.h"
#include "export/EnumNames.h"

enum SectionId_e { SectionId_Settings = 0, SectionId_KeyFrameView = 1 };

enum SettingId_e {
    SettingId_AnimateTime = 0,
    SettingId_TimeAnimationOperation = 1,
    SettingId_NumCycles = 2,
    SettingId_AnimateStreamtraces = 3,
    SettingId_FadeIn = 4,
    SettingId_FadeOut = 5,
};

enum KeyFrameItemId_e {
    KeyFrameItemId_Name = 0,
    KeyFrameItemId_Position = 1,
    KeyFrameItemId_Angle = 2,
    KeyFrameItemId_Width = 3,
    KeyFrameItemId_FrameCount = 4,
    KeyFrameItemId_SolutionTime = 5,
};

// Built on the first call, kept until the add-on is unloaded.
template <>
const EnumNameMap<SectionId_e>& enumNameMap<SectionId_e>();
template <>
const EnumNameMap<SettingId_e>& enumNameMap<SettingId_e>();
template <>
const EnumNameMap<KeyFrameItemId_e>& enumNameMap<KeyFrameItemId_e>();
template <>
const EnumNameMap<TimeAnimationOperation_e>& enumNameMap<TimeAnimationOperation_e>();

#endif
