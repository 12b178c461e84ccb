#pragma once
// Names the system knows the program's windows by (not user text, never translated).
// A second copy finds the first by the frame's class and title (string 128).
constexpr const char* FRAME_CLASS = "QuillboxFrame";
constexpr const char* SERVICE_CLASS = "QuillboxService";
constexpr const char* PREVIEW_TIP_CLASS = "QuillboxPreviewTip";
constexpr const char* VIDEO_CLASS = "QuillboxVideo";
