// Closing the viewer stores its own and both rulers' settings in a single
// rewrite of preview.ini.
#include "host/PreviewValues.h"
#include "platform/forms/Application.h"
#include "settings/ProfileStore.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/inotify.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

using namespace kelvppvw;

TEST(ViewerClose, closing_rewrites_preview_ini_once_with_the_viewer_and_ruler_keys)
{
    Application::ensure();
    QTemporaryDir home;
    const std::string folder = home.path().toStdString();
    setenv(AppPathVariable, folder.c_str(), 1);
    gsAppPath = folder;
    gsAppName = "App";
    std::filesystem::create_directories(folder + "/Preview");
    auto v = NewForm<frmPrtPreview>();
    v->Load();

    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    v->Unload();
    int rewrites = 0;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;)
        for (char* at = buffer; at < buffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(at);
            if (e->len && std::strcmp(e->name, "preview.ini") == 0)
                ++rewrites;
            at += sizeof(inotify_event) + e->len;
        }
    close(watch);
    unsetenv(AppPathVariable);

    EXPECT_EQ(rewrites, 1);
    const std::string ini = folder + "/preview.ini";
    EXPECT_EQ(ReadProfileKey("App", "ShadowDepth", "<none>", ini), "30");
    EXPECT_NE(ReadProfileKey("App", "EdgeStyle_0", "<none>", ini), "<none>");
    EXPECT_NE(ReadProfileKey("App", "EdgeStyle_1", "<none>", ini), "<none>");
}
