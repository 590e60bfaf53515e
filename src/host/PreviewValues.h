#pragma once

#include "platform/automation/Variant.h"

#include <cstdint>
#include <string>

namespace kelvppvw {

// The values one preview run shares across the component; they live as long
// as the component is loaded (one preview at a time).
extern std::string gsAppPath;       // folder of the component, no trailing separator
extern std::string gsAppName;       // the host's section in preview.ini
extern std::string gsAppSect;
extern std::string gsAppPrnt;
extern std::string gsPrtAppIni;
extern std::string gsPrtFileName;   // document name for the caption
extern std::string gsPrtFilePath;
extern std::string gsObjClassName;  // class of the host's print data object
extern std::string gsRmtServerName; // machine of that class; empty is this one
extern std::string gsSetupKey;
extern int32_t glMilliWait;    // remaining cancel countdown, milliseconds
extern int32_t glMilliWaitSet; // configured cancel countdown
extern ObjectRef goPrintDataObj;

// Name of the environment variable that overrides the component's folder.
inline constexpr const char* AppPathVariable = "KELVPPVW_HOME";

// The folder of the loaded component library, or the override when set.
std::string ComponentFolder();

// A module path's folder as the component keeps it: the file name dropped and,
// at the file system root, the trailing separator dropped too ("" for "/").
std::string FolderOfModule(const std::string& modulePath);

// The page folder of a component folder.
std::string PreviewFolderOf(const std::string& appPath);

// True when the path's attributes can be read, file or folder alike.
bool FileExists(const std::string& path);

// Creates gsAppPath's page folder if it is missing; stops silently on failure.
void CreatePreviewFolder();

} // namespace kelvppvw
