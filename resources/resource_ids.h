/* Resource ids of the editor: its bitmaps, the context menu and the menu's commands.
   Plain macros, so that the resource compiler reads this file as well as C++. */
#ifndef TARVEXOR_RESOURCE_IDS_H
#define TARVEXOR_RESOURCE_IDS_H

/* Bitmaps (24-bit, in resources/bitmaps/<id>-<name>.bmp). */
#define IDB_BYPASS_ON 103           /* 44 x 21, Bypass switch lit */
#define IDB_LEVEL_BAR 106           /* 15 x 257, one output level bar */
#define IDB_REDUCTION_BAR 107       /* 13 x 257, gain-reduction bar */
#define IDB_HANDLE_LIMIT 116        /* 16 x 34, limiter threshold handle (red line) */
#define IDB_HANDLE_BLUE 117         /* 20 x 34, ratio, release and output handle (blue line) */
#define IDB_BACKGROUND 118          /* 511 x 283, the whole editor */
#define IDB_DISPLAY_FACE 120        /* 45 x 12, numeric display */
#define IDB_HANDLE_THRESHOLD 125    /* 20 x 34, compressor threshold handle (green line) */
#define IDB_GLOW 127                /* 44 x 18, wave panel corner glow */
#define IDB_HANDLE_ZOOM 129         /* 13 x 21, wave zoom handle */
#define IDB_HANDLE_LOOKAHEAD 130    /* 21 x 13, look-ahead handle */
#define IDB_HANDLE_AUTO_RELEASE 132 /* 20 x 34, release handle in automatic mode (grey) */
#define IDB_AUTO_ON 133             /* 26 x 14, Auto (release) switch lit */
#define IDB_DITHER_ON 140           /* 44 x 21, 16 bit Dither switch lit */
#define IDB_NORMALIZE_ON 141        /* 44 x 21, Auto Normalize switch lit */
#define IDB_SOFT_ON 142             /* 44 x 21, Soft switch lit */

/* The context menu: one top-level item whose submenu is the menu shown. */
#define IDR_CONTEXT_MENU 111

/* Auto Normalize ceiling. */
#define IDM_NORMALIZE_0_DB 40004
#define IDM_NORMALIZE_MINUS_001_DB 40024
#define IDM_NORMALIZE_MINUS_005_DB 40030
#define IDM_NORMALIZE_MINUS_009_DB 40005

/* Peak hold time, 2 s to 30 s at the Normal display speed. */
#define IDM_PEAK_HOLD_2S 40006
#define IDM_PEAK_HOLD_4S 40007
#define IDM_PEAK_HOLD_6S 40008
#define IDM_PEAK_HOLD_8S 40009
#define IDM_PEAK_HOLD_10S 40010
#define IDM_PEAK_HOLD_20S 40011
#define IDM_PEAK_HOLD_30S 40012

/* Wave display colours. */
#define IDM_COLOURS_NATURAL 40013
#define IDM_COLOURS_ICY 40014
#define IDM_COLOURS_CUSTOM 40025

/* Wave display zoom range. */
#define IDM_ZOOM_HALF_TO_5X 40017
#define IDM_ZOOM_1X_TO_16X 40019
#define IDM_ZOOM_HALF_TO_10X 40020

/* About box and help window. */
#define IDM_INFO 40022
#define IDM_HELP 40023

/* Display speed. */
#define IDM_SPEED_SLOW 40027
#define IDM_SPEED_NORMAL 40028
#define IDM_SPEED_FAST 40029

#endif
