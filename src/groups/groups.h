// groups/: the groups of joined pieces as plain functions over the model. Joining keeps
// bounds, members and the drawing order; alignment lays a group's members out exactly and
// inside the play field; placing fixes groups at their true place and finds the end of a game.
// Part of tessellara_core; includes only puzzle/.
#pragma once

#include "groups/alignment.h"
#include "groups/joining.h"
#include "groups/placing.h"
