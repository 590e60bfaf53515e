#pragma once

// The kelvppvw print-preview component: everything a host needs.
#include "host/ComponentServer.h"
#include "host/Graphic.h"
#include "host/Graphics.h"
#include "host/PictureTypeConstants.h"
#include "host/PrintDataObject.h"
#include "host/PreviewValues.h"
#include "host/clsPreview.h"
#include "platform/gdi/Picture.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/DispatchObject.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/MsgBox.h"
