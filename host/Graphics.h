// The Graphics unit: colours, pens, brushes, fonts, canvases and bitmaps.
#pragma once

#include "Graphics/Bitmap.h"
#include "Graphics/Canvas.h"
#include "Graphics/Colors.h"
#include "Graphics/Device.h"
#include "Graphics/GraphicsObjects.h"
#include "Graphics/GraphicsTypes.h"
#include "Graphics/Surface.h"
