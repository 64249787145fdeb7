// Tooltips of the jog buttons: the key chord that does the same move.
#pragma once

// The chord text for a jog button, or null for a control without a tooltip.
const char* JogTooltipText(int controlId);
