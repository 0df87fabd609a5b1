// Everything of the platform layer that the system's code uses.
#ifndef TRAILBOOK_PLATFORM_VCL_H
#define TRAILBOOK_PLATFORM_VCL_H

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"
#include "platform/core/Strings.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/FormReader.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Grids.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/Windows.h"

#endif
