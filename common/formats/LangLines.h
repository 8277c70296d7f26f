#pragma once

#include <span>

// Language lines that the programs name by number. Look-ups go by position in the language file,
// and records store the text of the vocabulary lines, so every number here is part of the file
// format: never renumber a line, only append new ones.
//
// Each group is an X-macro list, so the constants and kNamedLines (which the tests check against
// the shipped files) come from one place. Add a line to a group and both follow.

namespace ztv::lang {

// Messages of the player, some of them pieces that are joined with paths and numbers.
#define ZTV_LANG_PLAYER_MESSAGES(X)                                   \
    X(FilePrefix, 2)     /* "File" + " " + path + " " + 3 */          \
    X(NotFoundSuffix, 3) /* path + " " + 3 */                         \
    X(ContainerSplitFailed, 16)                                       \
    X(ContainerEmpty, 18)                                             \
    X(PageFileMissing, 19)                                            \
    X(FrameNotStoredColumn, 34) /* 39 + " " + row + 34 + " " + col */ \
    X(FrameNotStoredPrefix, 39)                                       \
    X(UnknownEffect, 40)                                              \
    X(FileNotOnAnyDrive, 41)                                          \
    X(UnknownPictureFormat, 42)                                       \
    X(MediaFileWord, 43) /* prefix + 43 + " " + path + ... */         \
    X(MediaNotFoundSuffix, 44)                                        \
    X(MediaCannotOpenSuffix, 45)                                      \
    X(PictureNotPreparedSuffix, 48) /* path + 48 */                   \
    X(LongTextPrefix, 49)                                             \
    X(MediaNotInPageDataSuffix, 50)                                   \
    X(NoPlaybackDirectory, 828)  /* 828 + " " + folder */             \
    X(PageNumberNotANumber, 830) /* 830 + " " + text */               \
    X(ScreenSaverAbout, 831)                                          \
    X(ScreenSaverHowToChange, 832)                                    \
    X(AllowProjectPrograms, 848)   /* 848 + " " + program */          \
    X(NotAValidProjectSuffix, 835) /* 2 + " " + path + " " + 835 */   \
    X(PathIsAFolder, 836)          /* 836 + " " + path */

// Markers stored in `Fichier` instead of a path.
#define ZTV_LANG_MARKERS(X)           \
    X(MarkerPlainBackground, 120)     \
    X(MarkerGradient, 121)            \
    X(MarkerDisappear, 122)           \
    X(MarkerBackgroundDisappear, 123) \
    X(MarkerSoundStop, 124)           \
    X(ClickZone, 168) /* + " " + n */ \
    X(KeywordMarker, 170)

// Font styles stored as text (in font lists and in `style`), and the font of listings.
#define ZTV_LANG_FONTS(X)               \
    X(FontStyleNormal, 130)             \
    X(FontStyleBold, 131)               \
    X(FontStyleItalic, 132)             \
    X(FontStyleUnderline, 133)          \
    X(FontStyleStrikeOut, 134)          \
    X(FontStyleBoldItalic, 135)         \
    X(FontStyleBoldUnderline, 136)      \
    X(FontStyleItalicUnderline, 137)    \
    X(FontStyleBoldStrikeOut, 138)      \
    X(FontStyleItalicStrikeOut, 139)    \
    X(FontStyleUnderlineStrikeOut, 140) \
    X(ListingFontName, 142)             \
    X(AlignLeft, 145)                   \
    X(AlignRight, 146)                  \
    X(AlignCentre, 147)

// Gradient directions, end poses (stored as entry index), character sound modes.
#define ZTV_LANG_PICTURE_OPTIONS(X) \
    X(GradientLeftToRight, 180)     \
    X(GradientTopToBottom, 181)     \
    X(GradientCircular, 182)        \
    X(EndPoseKeepCurrent, 187)      \
    X(EndPoseFirstFrame, 188)       \
    X(EndPoseLastFrame, 189)        \
    X(EndPoseNothing, 190)          \
    X(CharacterSpeaks, 194)         \
    X(CharacterSilent, 195)

// Appearance modes stored in `Transparent`; 204 to 215 are tints, 216 inverts.
#define ZTV_LANG_APPEARANCE(X)    \
    X(AppearanceOpaque, 200)      \
    X(AppearanceWhiteClear, 201)  \
    X(AppearanceBlackClear, 202)  \
    X(AppearanceCornerClear, 203) \
    X(AppearanceFirstTint, 204)   \
    X(AppearanceInvert, 216)

// Transition effect names stored in `Effet`; 259 to 261 are the editor's preview-only steps.
#define ZTV_LANG_EFFECTS(X)          \
    X(NoEffectSecondName, 125)       \
    X(EffectNone, 220)               \
    X(EffectsFirst, 220)             \
    X(EffectsLast, 279)              \
    X(CharacterPreviewSpeaking, 259) \
    X(CharacterPreviewSilent, 260)   \
    X(AnimationPreviewMove, 261)     \
    X(EffectsExtraFirst, 296)        \
    X(EffectsExtraLast, 298)

// Action names stored in `Acte`.
#define ZTV_LANG_ACTIONS(X)                  \
    X(ActionNone, 280)                       \
    X(ActionGoToPage, 281)                   \
    X(ActionGoToColumn, 282)                 \
    X(ActionGoToPageAndColumn, 283)          \
    X(ActionOpenFile, 284)                   \
    X(ActionOpenDocumentWith, 285)           \
    X(ActionOpenAddress, 286)                \
    X(ActionPrintScreen, 287)                \
    X(ActionPrintTextFile, 288)              \
    X(ActionToggleVideo, 289)                \
    X(ActionToggleSound, 290)                \
    X(ActionQuit, 291)                       \
    X(ActionOpenWithParameters, 292)         \
    X(ActionStartApplication, 293)           \
    X(ActionRunAndWait, 294)                 \
    X(ActionOpenProject, 295)                \
    X(ActionOpenWithParametersOnDrives, 299) \
    X(ActionPrintTextThenGoToPage, 379)

// Waiting and display options of sounds (`sensdegra`) and videos (`Transparent`, `sensdegra`).
#define ZTV_LANG_MEDIA_OPTIONS(X) \
    X(SoundPlay, 380)             \
    X(SoundPlayAndWait, 381)      \
    X(SoundLoadOnly, 382)         \
    X(VideoBarNone, 390)          \
    X(VideoBarAbove, 391)         \
    X(VideoBarBelow, 392)         \
    X(VideoPlayAndWait, 395)      \
    X(VideoPlay, 396)             \
    X(VideoWaitForUser, 397)

// Element kind names of listings, the storyboard's row names and the column-gap marker.
#define ZTV_LANG_KINDS(X) \
    X(ColumnGap, 160)     \
    X(KindSound, 161)     \
    X(KindVideo, 162)     \
    X(KindPicture, 163)   \
    X(KindCharacter, 164) \
    X(KindPanorama, 165)  \
    X(KindAnimation, 166) \
    X(KindText, 167)      \
    X(KindLongText, 169)  \
    X(RowNameFirst, 300)  \
    X(RowNameLast, 360)

// Texts the whole editor shares: message boxes, window captions, common messages.
#define ZTV_LANG_EDITOR_COMMON(X) \
    X(UntitledProject, 91)        \
    X(MainWindowCaption, 150)     \
    X(ButtonOk, 489)              \
    X(ButtonCancel, 491)          \
    X(ButtonHelp, 492)            \
    X(MessageBoxCaption, 528)     \
    X(ButtonYes, 578)             \
    X(ButtonNo, 579)              \
    X(OperationDone, 4)           \
    X(NoCurrentPage, 60)          \
    X(SaveProjectFirst, 61)       \
    X(PageNumberInUse, 39)        \
    X(PageTitleEmpty, 36)         \
    X(CurrentPageNotInTable, 62)  \
    X(KeywordEmpty, 34)           \
    X(OldProjectFormat, 825)      \
    X(SaveBeforeQuit, 93)         \
    X(QuitQuestion, 148)          \
    X(PageLabel, 155)             \
    X(StoryboardHint, 736)        \
    X(RecoverWorkingCopy, 826)    \
    X(PageFilesNotWritten, 827)   \
    X(RecoverProject, 833)        \
    X(NotAvailableYet, 834)

// Messages, captions and labels of the editor's commands and dialogs.
#define ZTV_LANG_EDITOR_DIALOGS(X)                     \
    X(SaveFailed, 17)                                  \
    X(PageNumberEmpty, 37)                             \
    X(PageNumberNotPositive, 38)                       \
    X(ParametersEmpty, 63)                             \
    X(SizeNotAWholeNumber, 64)                         \
    X(BackgroundsResized, 65)                          \
    X(RecentProjectMissing, 77)                        \
    X(NoPageSelected, 80)                              \
    X(DeletedPageNotInTable, 81)                       \
    X(CellHoldsNothingToPlace, 82)                     \
    X(ProjectExistsReplace, 90)                        \
    X(SaveChangesQuestion, 92)                         \
    X(DeletePageQuestion, 94)                          \
    X(ModifyPageCaption, 108)                          \
    X(SlideshowExpert, 175)                            \
    X(ProjectOnCdDrive, 448)                           \
    X(WorkingFolderRefused, 464)                       \
    X(ButtonClose, 574)                                \
    X(PageChooserCaption, 577)                         \
    X(NewPageCaption, 586)                             \
    X(PageNumberLabel, 587)                            \
    X(PageTitleLabel, 588)                             \
    X(ToolSettingsCaption, 589)                        \
    X(ExternalProgramsGroup, 590)                      \
    X(ProjectParametersCaption, 600)                   \
    X(PropertiesGroup, 601)                            \
    X(OpenProjectCaption, 703)                         \
    X(EditCellButton, 708)                             \
    X(SaveAsCaption, 716)                              \
    X(ClearToolProgram, 837)                           \
    X(FirstPageMissing, 838)                           \
    X(NothingToUndo, 839)                              \
    X(KeywordTooLong, 840)                             \
    X(KeywordPageEmpty, 35)                            \
    X(KeywordCountNone, 98)                            \
    X(KeywordCountSome, 99)                            \
    X(KeywordEditCaption, 459)                         \
    X(ButtonNew, 517)                                  \
    X(ButtonDelete, 518)                               \
    X(ButtonModify, 573)                               \
    X(KeywordListCaption, 575)                         \
    X(KeywordHeader, 576)                              \
    X(KeywordNewCaption, 582)                          \
    X(KeywordLabel, 583)                               \
    X(KeywordPageLabel, 584)                           \
    X(KeywordColumnLabel, 585)                         \
    X(NotAnInteger, 841)        /* %1: the text */     \
    X(NotAFloat, 842)           /* %1: the text */     \
    X(PathNotStorable, 843)     /* 843 + " " + path */ \
    X(PathTooLong, 844)         /* 844 + " " + path */ \
    X(ReducedCopyNotSaved, 845) /* 845 + " " + path */ \
    X(ProjectMissingSuffix, 76) /* path + " " + 76 */  \
    X(OpenExistingProject, 100)                        \
    X(ReadStartGuide, 472)                             \
    X(AboutCaption, 483)                               \
    X(AboutFirstLabel, 484)                            \
    X(AboutLastLabel, 488)                             \
    X(AboutThanks, 490)                                \
    X(WelcomeCaption, 493)                             \
    X(WelcomeGroup, 494)                               \
    X(WelcomeOpen, 495)                                \
    X(WelcomeLastProject, 496)                         \
    X(WelcomeNew, 497)                                 \
    X(WelcomeQuit, 498)                                \
    X(TutorialCaption, 707)                            \
    X(WebPreviewText, 764)                             \
    X(WebPreviewHelpLink, 765)                         \
    X(NoBrowser, 804)                                  \
    X(HelpPageMissing, 861)   /* 861 + " " + path */   \
    X(ProgramNotStarted, 862) /* 862 + " " + path */   \
    X(FileNotWritten, 863)    /* 863 + " " + path */   \
    X(FontTallerThanPage, 889)                         \
    X(FileListNotWritten, 890)                         \
    X(GatherCopyFailed, 891)                           \
    X(GatherFolderNotCreated, 892)                     \
    X(BuildOutputFolder, 925)

// The element dialogs: captions, controls and messages.
#define ZTV_LANG_ELEMENT_DIALOGS(X)                                   \
    X(ChoosePictureFirst, 0)                                          \
    X(SizeMustBePositive, 1)                                          \
    X(CellElementNotFound, 10)                                        \
    X(PreviewElementNotFound, 11)                                     \
    X(PreviewElementLost, 13)                                         \
    X(AppearanceNotShowable, 15)                                      \
    X(BackgroundDisappearOption, 109)                                 \
    X(ReducedCopyQuestion, 125)                                       \
    X(ReducedCopySaved, 126) /* 126 + " " + path */                   \
    X(ChangePictureCaption, 430)                                      \
    X(PlaceBackgroundCaption, 462)                                    \
    X(ChangeBackgroundCaption, 463)                                   \
    X(ScannerButton, 529)                                             \
    X(DrawButton, 530)                                                \
    X(VisualPlacementButton, 531)                                     \
    X(PreviewButton, 532)                                             \
    X(StretchOption, 533)                                             \
    X(AutoDisappearOption, 534)                                       \
    X(ShowGroup, 538)                                                 \
    X(PositionGroup, 539)                                             \
    X(PositionLeftLabel, 540) /* then top, width, height */           \
    X(EffectLabel, 545)                                               \
    X(SpeedLabel, 546)                                                \
    X(BandsLabel, 548)                                                \
    X(TurnsLabel, 386)                                                \
    X(ZoomFactorLabel, 387)                                           \
    X(ReverseNextEffect, 622)                                         \
    X(AppearanceLabel, 628)                                           \
    X(ActionGroup, 635)                                               \
    X(JoinBackgroundOption, 636)                                      \
    X(PlacePictureCaption, 637)                                       \
    X(PictureTypeGroup, 638)                                          \
    X(WaitLabel, 639)                                                 \
    X(SecondsLabel, 640)                                              \
    X(PictureTypeFile, 641) /* then gradient, plain, disappearance */ \
    X(ActAfterClick, 645)                                             \
    X(ActAtOnce, 646)                                                 \
    X(EffectStepLabel, 806)                                           \
    X(EffectStartLabel, 807)                                          \
    X(EffectEndLabel, 808)                                            \
    X(HoverGroup, 809)                                                \
    X(HoverRestoreOnExit, 810)                                        \
    X(HoverPictureCaption, 811)                                       \
    X(ElementNotWritten, 846)                                         \
    X(PreviewNotWritten, 847)                                         \
    X(TextEmpty, 88)                                                  \
    X(ChangeTextCaption, 433)                                         \
    X(FontHint, 651)                                                  \
    X(JoinBackgroundText, 673)                                        \
    X(PlaceTextCaption, 674)                                          \
    X(TextDisappearOption, 678)                                       \
    X(TextActAfterClick, 679)                                         \
    X(TextActAtOnce, 680)                                             \
    X(HoverColourOption, 812)                                         \
    X(HoverRestoreLook, 813)                                          \
    X(TextTooLong, 929)                                               \
    X(ArrivalMissing, 84)                                             \
    X(FramesDoNotFillStrip, 85)                                       \
    X(ChooseSoundFirst, 87)                                           \
    X(ChangeCharacterCaption, 434)                                    \
    X(ChangeAnimationCaption, 435)                                    \
    X(ChangePanoramaCaption, 438)                                     \
    X(WrapAroundOption, 535)                                          \
    X(PanoramaJoinBackground, 536)                                    \
    X(PanoramaPictureGroup, 537)                                      \
    X(PanoramaScrollHint, 544)                                        \
    X(ScrollWidthLabel, 547)                                          \
    X(ScrollHeightLabel, 549)                                         \
    X(PanoramaPictureOption, 551)                                     \
    X(PanoramaDisappearOption, 552)                                   \
    X(PlacePanoramaCaption, 553)                                      \
    X(AnimationJoinBackground, 623)                                   \
    X(PlaceAnimationCaption, 624)                                     \
    X(AnimationPictureGroup, 625)                                     \
    X(StartLeftLabel, 626) /* then the start top */                   \
    X(FrameCountLabel, 630)                                           \
    X(StripPictureOption, 631)                                        \
    X(AnimationDisappearOption, 632)                                  \
    X(AnimationAfterClick, 633) /* then at once */                    \
    X(CharacterJoinBackground, 656)                                   \
    X(PlaceCharacterCaption, 657)                                     \
    X(CharacterSoundLabel, 658)                                       \
    X(CharacterDisappearOption, 659)                                  \
    X(CharacterAfterClick, 660) /* then at once */                    \
    X(ChooseTextFileFirst, 86)                                        \
    X(TextEditorWithoutFile, 422)                                     \
    X(ChangeLongTextCaption, 437)                                     \
    X(BorderOption, 647)                                              \
    X(PlaceLongTextCaption, 648)                                      \
    X(TextFileGroup, 649)                                             \
    X(BackgroundColourLabel, 650)                                     \
    X(LongTextUnreadable, 932) /* 49 + " " + path + " " + 932 */      \
    X(ChangeClickZoneCaption, 439)                                    \
    X(PlaceClickZoneCaption, 689)                                     \
    X(ZoneActAfterClick, 690)                                         \
    X(ZoneActAtOnce, 691)

// The application builder: its two windows, its steps and its messages.
#define ZTV_LANG_BUILDER(X)                                                     \
    X(ProjectFileMissing, 5)                                                    \
    X(ProjectSettingsMissing, 6)                                                \
    X(PlayerMissing, 7)                                                         \
    X(UnpackFailed, 20)                                                         \
    X(PackFailed, 21)                                                           \
    X(BuildNoPages, 22)                                                         \
    X(BuiltApplication, 23) /* 23 + " " + N + 24 + " " + folder + "." */        \
    X(BuiltInFolder, 24)                                                        \
    X(GatheringFailed, 25)                                                      \
    X(MediaOfUnexpectedRow, 26)                                                 \
    X(BuildPressStart, 101)                                                     \
    X(BuildChecking, 102)                                                       \
    X(BuildUnpacking, 103)                                                      \
    X(BuildGathering, 104)                                                      \
    X(BuildPacking, 105)                                                        \
    X(BuildSettings, 106)                                                       \
    X(BuildAssembling, 107)                                                     \
    X(PlayerLanguageMissing, 401)                                               \
    X(BuildCancelled, 404)                                                      \
    X(CompressedPlayerOption, 424)                                              \
    X(ZtvxOption, 425)                                                          \
    X(BuiltAsZtvx, 427)                                                         \
    X(VideosInFolder, 480) /* ... ". " + 480 + " videos " + 481 + " sounds." */ \
    X(SoundsInFolder, 481)                                                      \
    X(OutputFolderPrefix, 482)                                                  \
    X(BuildStart, 515)                                                          \
    X(BuildWindowCaption, 516)                                                  \
    X(AutorunOption, 524)                                                       \
    X(BuildWizardCaption, 525)                                                  \
    X(WebOption, 526)                                                           \
    X(CdRomOption, 527)                                                         \
    X(StartApplicationQuestion, 550)                                            \
    X(GlobalCompression, 759)                                                   \
    X(CompressionGroup, 760)                                                    \
    X(NoCompression, 761)                                                       \
    X(PageCompression, 762)                                                     \
    X(OutputFoldersExhausted, 873)                                              \
    X(AssemblyFailed, 874) /* 874 + " " + folder */

// Why a saved project cannot be opened, and the character a path cannot be stored with.
#define ZTV_LANG_PROJECT_FILES(X)                                                        \
    X(ProjectNotWholeRecords, 910) /* 2 + " " + path + " " + 835, then one of 910-915 */ \
    X(ProjectFileTooLarge, 911)                                                          \
    X(ProjectRecordMalformed, 912)                                                       \
    X(SettingsNotText, 913)                                                              \
    X(SettingsCutShort, 914)                                                             \
    X(ProjectFileUnreadable, 915)                                                        \
    X(UnstorableCharacter, 916) /* 916 + " " + character + code, path */

// The editor's windows: the main window's messages and its recent projects' empty slots (727 to
// 731), project files and their copy, special paste, printing and the page listing, tool settings
// and project parameters.
#define ZTV_LANG_EDITOR_WINDOWS(X) \
    X(NoPageToSave, 9)             \
    X(RowWithoutKind, 58)          \
    X(NoPageYet, 59)               \
    X(PictureNotListed, 31)        \
    X(SoundNotPlaceable, 83)       \
    X(EmptyCellToPlace, 456)       \
    X(EmptyRecentSlot, 727)        \
    X(ProjectFilesCaption, 562)    \
    X(ButtonPrint, 558)            \
    X(CopyFilesButton, 559)        \
    X(FilesPerPage, 560)           \
    X(FilesWithoutRepetition, 561) \
    X(FileListPageHeading, 97)     \
    X(CopyFilesCaption, 510)       \
    X(CopyFilesAction, 506)        \
    X(CopyTargetLabel, 511)        \
    X(PicturesFolderLabel, 512)    \
    X(SoundsFolderLabel, 513)      \
    X(VideosFolderLabel, 514)      \
    X(PicturesFolderName, 507)     \
    X(SoundsFolderName, 508)       \
    X(VideosFolderName, 509)       \
    X(PasteSpecialCaption, 503)    \
    X(PasteOnlyGroup, 504)         \
    X(PasteSpecialLabel, 505)      \
    X(PasteFileGroup, 500)         \
    X(PasteEffectGroup, 501)       \
    X(PasteActionGroup, 502)       \
    X(PrintCaption, 554)           \
    X(PrintGroup, 555)             \
    X(PrintThisPage, 556)          \
    X(PrintAllPages, 557)          \
    X(ListingProject, 151)         \
    X(ListingPrintedOn, 152)       \
    X(ListingPrintedAt, 153)       \
    X(ListingFirstSheet, 154)      \
    X(ListingSheet, 159)           \
    X(ListingColumn, 156)          \
    X(ListingRow, 157)             \
    X(ListingOnClick, 417)         \
    X(ListingAutomatic, 418)       \
    X(ListingPageColumn, 95)       \
    X(PictureEditorLabel, 591)     \
    X(ScannerLabel, 592)           \
    X(SoundProgramLabel, 593)      \
    X(VideoProgramLabel, 594)      \
    X(VideoEditorLabel, 595)       \
    X(TextEditorLabel, 596)        \
    X(BackgroundWidthLabel, 602)   \
    X(BackgroundHeightLabel, 603)  \
    X(FirstPageLabel, 604)         \
    X(TransparentProject, 599)     \
    X(AlwaysFullScreen, 823)       \
    X(ScreenSaverOption, 598)      \
    X(ColourMaskLabel, 824)

// The position editor: its palette, its messages and the look of a text being placed.
#define ZTV_LANG_POSITION(X)                                \
    X(PositionCaption, 539)                                 \
    X(PositionRectLabel, 540) /* then top, width, height */ \
    X(PositionEffectLabel, 545)                             \
    X(PositionSpeedLabel, 546)                              \
    X(PositionAppearanceLabel, 628)                         \
    X(PositionPreview, 114)                                 \
    X(ShowEffect, 115)                                      \
    X(PositionClose, 174)                                   \
    X(ShowArrival, 116)                                     \
    X(ShowStart, 117)                                       \
    X(ArrivalLabel, 613)                                    \
    X(SecondLeftLabel, 614) /* then the second top */       \
    X(StepsLabel, 617)                                      \
    X(ApplyPositions, 849)                                  \
    X(GoToCell, 850)                                        \
    X(TextFontLabel, 619) /* then style, size */            \
    X(LineSpacingLabel, 676)                                \
    X(AlignmentLabel, 675)                                  \
    X(ShadowLabel, 677)                                     \
    X(XLabel, 618)                                          \
    X(YLabel, 611)                                          \
    X(KeywordChoicePrompt, 607)                             \
    X(KeepPositionsQuestion, 113)                           \
    X(PositionsNotWritten, 851)                             \
    X(BackgroundFixed, 66)                                  \
    X(NothingToPlace, 68)                                   \
    X(TextSizeFixed, 118)                                   \
    X(FramesSizeFixed, 119)                                 \
    X(KeywordListWidthOnly, 400)                            \
    X(FramesNotPrepared, 47)

// The animation maker and its GIF options.
#define ZTV_LANG_ANIMATION(X)                                                           \
    X(PictureSizePrefix, 70) /* 70 path 71 width 72 height 73 width 72 height 74 */     \
    X(PictureSizeMeasures, 71)                                                          \
    X(PictureSizeTimes, 72)                                                             \
    X(PictureSizeListMeasure, 73)                                                       \
    X(PictureSizeNotAdded, 74)                                                          \
    X(AnimationListEmpty, 75)                                                           \
    X(ReplaceFileQuestion, 112)                                                         \
    X(AnimationMakerCaption, 519)                                                       \
    X(AnimationInstruction, 520)                                                        \
    X(AnimationSameSize, 521)                                                           \
    X(AnimationCreate, 522)                                                             \
    X(AnimationOpenFilter, 523) /* Windows form: "label|patterns|..." */                \
    X(AnimationSaveFilter, 745)                                                         \
    X(GifOptionsCaption, 747)                                                           \
    X(GifLoopCountLabel, 748)                                                           \
    X(GifDelayLabel, 749)                                                               \
    X(AnimationTooManyFrames, 939)    /* 939 + " " + path */                            \
    X(StripTooWide, 940)              /* %1 width, %2 frames, %3 frame width, %4 cap */ \
    X(AnimationUnknownExtension, 941) /* 941 + " " + path */                            \
    X(AnimationSaved, 942)            /* 942 + " " + path */                            \
    X(AnimationTooLarge, 943)         /* 943 + " " + path */

#define ZTV_LANG_ALL(X)         \
    ZTV_LANG_PLAYER_MESSAGES(X) \
    ZTV_LANG_MARKERS(X)         \
    ZTV_LANG_FONTS(X)           \
    ZTV_LANG_PICTURE_OPTIONS(X) \
    ZTV_LANG_APPEARANCE(X)      \
    ZTV_LANG_EFFECTS(X)         \
    ZTV_LANG_ACTIONS(X)         \
    ZTV_LANG_MEDIA_OPTIONS(X)   \
    ZTV_LANG_KINDS(X)           \
    ZTV_LANG_EDITOR_COMMON(X)   \
    ZTV_LANG_EDITOR_DIALOGS(X)  \
    ZTV_LANG_ELEMENT_DIALOGS(X) \
    ZTV_LANG_BUILDER(X)         \
    ZTV_LANG_PROJECT_FILES(X)   \
    ZTV_LANG_EDITOR_WINDOWS(X)  \
    ZTV_LANG_POSITION(X)        \
    ZTV_LANG_ANIMATION(X)

#define ZTV_LANG_DEFINE(name, line) inline constexpr int name = line;
ZTV_LANG_ALL(ZTV_LANG_DEFINE)
#undef ZTV_LANG_DEFINE

struct NamedLine {
    const char* name;
    int line;
};

#define ZTV_LANG_ENTRY(name, line) {#name, line},
inline constexpr NamedLine kNamedLines[] = {ZTV_LANG_ALL(ZTV_LANG_ENTRY)};
#undef ZTV_LANG_ENTRY

// A family of vocabulary lines that records store as text. The player compares a stored text with
// its own line of the same number, so the texts of a family must differ from each other and fit
// the record field that holds them; once projects exist they must never change.
struct LineRange {
    int first;
    int last;
};

struct LineFamily {
    const char* name;
    std::span<const LineRange> ranges;
    int maxBytes;  // capacity of the record field the text is stored in
};

inline constexpr LineRange kEffectRanges[] = {{EffectsFirst, EffectsLast},
                                              {EffectsExtraFirst, EffectsExtraLast},
                                              {NoEffectSecondName, NoEffectSecondName}};
inline constexpr LineRange kActionRanges[] = {
    {ActionNone, ActionOpenProject},
    {ActionOpenWithParametersOnDrives, ActionOpenWithParametersOnDrives},
    {ActionPrintTextThenGoToPage, ActionPrintTextThenGoToPage}};
inline constexpr LineRange kAppearanceRanges[] = {{AppearanceOpaque, AppearanceInvert}};
inline constexpr LineRange kMarkerRanges[] = {{MarkerPlainBackground, MarkerSoundStop},
                                              {ClickZone, ClickZone},
                                              {KeywordMarker, KeywordMarker}};
inline constexpr LineRange kFontStyleRanges[] = {{FontStyleNormal, FontStyleUnderlineStrikeOut}};
inline constexpr LineRange kAlignmentRanges[] = {{AlignLeft, AlignCentre}};
inline constexpr LineRange kGradientRanges[] = {{GradientLeftToRight, GradientCircular}};
inline constexpr LineRange kCharacterSoundRanges[] = {{CharacterSpeaks, CharacterSilent}};
// The end poses, whose entry index a character or an animation stores in `size`.
inline constexpr LineRange kEndPoseRanges[] = {{EndPoseKeepCurrent, EndPoseNothing}};
inline constexpr LineRange kSoundStartRanges[] = {{SoundPlay, SoundLoadOnly}};
inline constexpr LineRange kVideoBarRanges[] = {{VideoBarNone, VideoBarBelow}};
inline constexpr LineRange kVideoStartRanges[] = {{VideoPlayAndWait, VideoWaitForUser}};
// The hover action: nothing (0) or go to a page and column (1); stored as the entry's index.
inline constexpr LineRange kHoverActionRanges[] = {
    {ActionNone, ActionNone}, {ActionGoToPageAndColumn, ActionGoToPageAndColumn}};

inline constexpr LineFamily kStoredFamilies[] = {
    {"transition effects", kEffectRanges, 100},   // `Effet`
    {"actions", kActionRanges, 100},              // `Acte`
    {"appearance modes", kAppearanceRanges, 30},  // `Transparent`
    {"markers", kMarkerRanges, 245},              // `Fichier`; the click zone adds " " + number
    {"font styles", kFontStyleRanges, 40},        // `style`
    // The alignment shares the 30-byte `Transparent` with line spacing and shadow offsets.
    {"alignments", kAlignmentRanges, 16},
    {"gradient directions", kGradientRanges, 150},         // `sensdegra`
    {"character sound modes", kCharacterSoundRanges, 40},  // `style`
    {"sound start modes", kSoundStartRanges, 150},         // `sensdegra`
    {"video control bar", kVideoBarRanges, 30},            // `Transparent`
    {"video start modes", kVideoStartRanges, 150},         // `sensdegra`
};

}  // namespace ztv::lang
