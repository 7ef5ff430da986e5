// The add-on's enumerations and the export enumerations, whose values are
// the host's own and pass unchanged to ZorUtilExportSetup (never renumber).
// Each has int as its fixed underlying type, so that every int the host or
// a caller converts is a valid value of the type; the name tables then
// refuse the values they do not hold.
#ifndef KFA_EXPORT_ENUMERATIONS_H
#define KFA_EXPORT_ENUMERATIONS_H

enum Destination_e : int { OnScreen = 0, ToFile = 1 };

enum Command_e : int { OpenSettingsFile = 0, Animate = 1 };

enum Parameter_e : int { FileName = 0, AnimationDestination = 1 };

enum ExportFormat_e : int {
    ExportFormat_RasterMetafile = 0,
    ExportFormat_AVI = 14,
    ExportFormat_Flash = 17,
    ExportFormat_FLV = 20,
    ExportFormat_MPEG4 = 21,
    ExportFormat_WMV = 22,
};

enum ExportRegion_e : int { ExportRegion_CurrentFrame = 0, ExportRegion_AllFrames = 1, ExportRegion_WorkArea = 2 };

enum AVICompression_e : int {
    AVICompression_ColorPreserving = 0,
    AVICompression_LinePreserving = 1,
    AVICompression_LosslessUncompressed = 2,
};

enum FlashImageType_e : int { FlashImageType_Lossless = 0, FlashImageType_JPEG = 1, FlashImageType_256Color = 2 };

enum FlashCompressionType_e : int { FlashCompressionType_BestSpeed = 0, FlashCompressionType_SmallestSize = 1 };

#endif
