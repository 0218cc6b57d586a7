#pragma once

// The helpers the splash, About and tutorial windows share now live in the one window layer.
#include "platform/win32/Window.h"
