// Public header of the toolkit: the GUI run time the player is built on.
#pragma once
#include "toolkit/definition.h"
#include "toolkit/form.h"
#include "toolkit/label_control.h"
#include "toolkit/picture_box_control.h"
#include "toolkit/push_button_control.h"
#include "toolkit/run_time.h"
#include "toolkit/services.h"
#include "toolkit/shape_box_control.h"
#include "toolkit/text.h"
#include "toolkit/timer_control.h"
#include "toolkit/transparent_label_control.h"
#include "toolkit/web_view_control.h"
