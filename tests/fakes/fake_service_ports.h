#pragma once
// Every port of the service as a fake, for tests that run the whole service.
#include "app/service_wnd.h"
#include "fakes/call_log.h"
#include "fakes/fake_camera.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_collection_store.h"
#include "fakes/fake_document_shell.h"
#include "fakes/fake_focus.h"
#include "fakes/fake_hot_window.h"
#include "fakes/fake_system.h"
#include "fakes/fake_installation.h"
#include "fakes/fake_menu_host.h"
#include "fakes/fake_picture_decoder.h"
#include "fakes/fake_prompts.h"
#include "fakes/fake_registry_lists.h"
#include "fakes/fake_resources.h"
#include "fakes/fake_service_window.h"
#include "fakes/fake_target_window.h"
#include "fakes/fake_tray_icon.h"
#include "fakes/fake_viewer_chain.h"

struct FakeServicePorts {
    CallLog log;
    FakeServiceWindow window{log};
    FakeFocus focus;
    FakeMessageBox boxes;
    FakePrompts prompts;
    FakeInstallation installation{log};
    FakeCollectionStore store{log};
    FakeLanguageLoader languages;
    FakeClipboard clipboard;
    FakeViewerChain viewers;
    FakeClock clock;
    FakeSound sound;
    FakeHotKeys hotKeys;
    FakeTimers timers;
    FakeTrayIcon tray;
    FakeInputState input;
    FakeKeyInput keys{&log};
    FakeTargetWindow targets{log};
    FakeMenuHost menus;
    FakeRegistryLists systemLists;
    FakeDocumentShell documents;
    FakePictureDecoder pictures;
    FakeHotWindows hotWindows;
    FakeCamera camera;

    ServicePorts Ports() {
        return ServicePorts{window,    focus,       boxes,     prompts,  installation, store,
                            languages, clipboard,   viewers,   clock,    sound,        hotKeys,
                            timers,    tray,        input,     keys,     targets,      targets,
                            menus,     systemLists, documents, pictures, hotWindows,   camera};
    }
};
