// Where the canvas and the on-screen controls go on a touch screen, in CSS
// pixels, from the window's size and its safe area (what a notch, rounded
// corners or a home bar leave). A pure rule: touch.js applies it, and
// web/test/layout-test.mjs checks it over the screens of real devices.
//
// Three shapes: a tall screen (a phone upright) gets the canvas whole at the
// top and the controls below it, in reach of the thumbs; a wide one (a phone
// on its side) the canvas in the middle and the controls in the bars beside
// it; a screen about as wide as the canvas (a 4:3 tablet) the controls over
// the canvas's lower corners, clear of the clock (top right) and of the
// middle of the cook's row.
"use strict";

(function (exports) {
    // A control's least side: what touch guidelines ask (44 to 48 px).
    const CONTROL_SIZE = 48;
    const GAP = 8;
    // The tallest column of controls a side holds: three choices, or a
    // pause over a held direction (page.css sizes them to fit in it).
    const STACK_HEIGHT = 184;
    // Over the canvas, the corners take at most this share of its width each
    // (the cook's row's middle stays clear) and start this far down (the
    // clock and the catches' icons stay clear).
    const CORNER_WIDTH = 0.2;
    const CORNER_TOP = 0.35;

    function safeArea(view) {
        const insets = view.insets;
        return {
            x: insets.left,
            y: insets.top,
            width: Math.max(0, view.width - insets.left - insets.right),
            height: Math.max(0, view.height - insets.top - insets.bottom),
        };
    }

    // The area the game fits its 4:3 canvas into.
    function canvasArea(view) {
        const safe = safeArea(view);
        return { width: safe.width, height: safe.height };
    }

    function box(x, y, width, height) {
        return { x: x, y: y, width: Math.max(0, width), height: Math.max(0, height) };
    }

    // view: {width, height, insets: {top, right, bottom, left}}; canvas: the
    // size the game gave it in canvasArea(view). Answers the place chosen
    // ("below", "beside" or "over"), the canvas's box and the boxes of the
    // left and right columns of controls.
    function layOut(view, canvas) {
        const safe = safeArea(view);
        const below = safe.height - canvas.height;
        const beside = (safe.width - canvas.width) / 2;
        const left = safe.x + beside;
        if (below >= STACK_HEIGHT + 2 * GAP) {
            const top = safe.y + canvas.height + GAP;
            const height = safe.y + safe.height - GAP - top;
            const half = (safe.width - 3 * GAP) / 2;
            return {
                place: "below",
                canvas: box(left, safe.y, canvas.width, canvas.height),
                left: box(safe.x + GAP, top, half, height),
                right: box(safe.x + 2 * GAP + half, top, half, height),
            };
        }
        const top = safe.y + (safe.height - canvas.height) / 2;
        const canvasBox = box(left, top, canvas.width, canvas.height);
        if (beside >= CONTROL_SIZE + 2 * GAP) {
            const width = beside - 2 * GAP;
            const height = safe.height - 2 * GAP;
            return {
                place: "beside",
                canvas: canvasBox,
                left: box(safe.x + GAP, safe.y + GAP, width, height),
                right: box(left + canvas.width + GAP, safe.y + GAP, width, height),
            };
        }
        // Over the canvas, but inside the safe area where the canvas is not.
        const width = Math.max(CONTROL_SIZE + 2 * GAP, CORNER_WIDTH * canvas.width) - 2 * GAP;
        const cornerTop = top + CORNER_TOP * canvas.height;
        const cornerBottom = Math.min(top + canvas.height, safe.y + safe.height) - GAP;
        const leftEdge = Math.max(left, safe.x) + GAP;
        const rightEdge = Math.min(left + canvas.width, safe.x + safe.width) - GAP;
        return {
            place: "over",
            canvas: canvasBox,
            left: box(leftEdge, cornerTop, width, cornerBottom - cornerTop),
            right: box(rightEdge - width, cornerTop, width, cornerBottom - cornerTop),
        };
    }

    exports.CONTROL_SIZE = CONTROL_SIZE;
    exports.STACK_HEIGHT = STACK_HEIGHT;
    exports.CORNER_WIDTH = CORNER_WIDTH;
    exports.CORNER_TOP = CORNER_TOP;
    exports.canvasArea = canvasArea;
    exports.layOut = layOut;
})(typeof module === "object" && module.exports ? module.exports : (window.FornalinaLayout = {}));
