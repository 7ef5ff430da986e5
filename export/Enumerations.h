// The add-on's enumerations and the export enumerations, whose values are
// the host's own and pass unchanged to ZorUtilExportSetup (never renumber).
#ifndef KFA_EXPORT_ENUMERATIONS_H
#define KFA_EXPORT_ENUMERATIONS_H

enum Destination_e { OnScreen = 0, ToFile = 1 };

enum Command_e { OpenSettingsFile = 0, Animate = 1 };

enum Parameter_e { FileName = 0, AnimationDestination = 1 };

enum ExportFormat_e {
    ExportFormat_RasterMetafile = 0,
    ExportFormat_AVI = 14,
    ExportFormat_Flash = 17,
    ExportFormat_FLV = 20,
    ExportFormat_MPEG4 = 21,
    ExportFormat_WMV = 22,
};

enum ExportRegion_e { ExportRegion_CurrentFrame = 0, ExportRegion_AllFrames = 1, ExportRegion_WorkArea = 2 };

enum AVICompression_e {
    AVICompression_ColorPreserving = 0,
    AVICompression_LinePreserving = 1,
    AVICompression_LosslessUncompressed = 2,
};

enum FlashImageType_e { FlashImageType_Lossless = 0, FlashImageType_JPEG = 1, FlashImageType_256Color = 2 };

enum FlashCompressionType_e { FlashCompressionType_BestSpeed = 0, FlashCompressionType_SmallestSize = 1 };

#endif
