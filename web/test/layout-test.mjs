// The touch layout's rule (web/page/layout.js) over the screens of real
// devices, upright and on their side, with their safe areas: node
// web/test/layout-test.mjs. Exits 1 on a failure.
import { strict as assert } from "node:assert";
import { createRequire } from "node:module";

const layout = createRequire(import.meta.url)("../page/layout.js");

// CSS pixels; insets top, right, bottom, left.
const none = { top: 0, right: 0, bottom: 0, left: 0 };
const DEVICES = [
    { name: "iPhone 14 upright", width: 390, height: 844, insets: { top: 47, right: 0, bottom: 34, left: 0 }, place: "below" },
    { name: "iPhone 14 on its side", width: 844, height: 390, insets: { top: 0, right: 47, bottom: 21, left: 47 }, place: "beside" },
    { name: "iPhone SE upright", width: 320, height: 568, insets: none, place: "below" },
    { name: "iPhone SE on its side", width: 568, height: 320, insets: none, place: "beside" },
    { name: "Pixel 7 upright", width: 412, height: 915, insets: { top: 24, right: 0, bottom: 0, left: 0 }, place: "below" },
    { name: "Pixel 7 on its side", width: 915, height: 412, insets: { top: 0, right: 24, bottom: 0, left: 0 }, place: "beside" },
    { name: "iPad upright", width: 768, height: 1024, insets: { top: 20, right: 0, bottom: 0, left: 0 }, place: "below" },
    { name: "iPad on its side", width: 1024, height: 768, insets: { top: 20, right: 0, bottom: 0, left: 0 }, place: "over" },
    { name: "iPad Pro on its side", width: 1366, height: 1024, insets: { top: 24, right: 0, bottom: 20, left: 0 }, place: "over" },
    { name: "Android tablet 16:10 on its side", width: 1280, height: 800, insets: none, place: "beside" },
    { name: "Android tablet 16:10 upright", width: 800, height: 1280, insets: none, place: "below" },
];

// The clock and the cook's row on the game's 800 × 600 picture.
const CLOCK = { x: 480, y: 10, width: 235, height: 100 };
const COOK_ROW_MIDDLE = { x: 200, y: 480, width: 400, height: 110 };

function inside(inner, outer) {
    return (
        inner.x >= outer.x - 0.01 &&
        inner.y >= outer.y - 0.01 &&
        inner.x + inner.width <= outer.x + outer.width + 0.01 &&
        inner.y + inner.height <= outer.y + outer.height + 0.01
    );
}

function overlap(a, b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// A box of the game's picture where the canvas stands.
function onCanvas(canvas, r) {
    const scale = canvas.width / 800;
    return { x: canvas.x + r.x * scale, y: canvas.y + r.y * scale, width: r.width * scale, height: r.height * scale };
}

let failures = 0;
for (const device of DEVICES) {
    try {
        const area = layout.canvasArea(device);
        // The game fits its 4:3 picture into that area.
        const scale = Math.min(area.width / 800, area.height / 600);
        const canvas = { width: 800 * scale, height: 600 * scale };
        const result = layout.layOut(device, canvas);
        const safe = {
            x: device.insets.left,
            y: device.insets.top,
            width: device.width - device.insets.left - device.insets.right,
            height: device.height - device.insets.top - device.insets.bottom,
        };
        assert.equal(result.place, device.place);
        assert.ok(inside(result.canvas, safe), "the canvas whole inside the safe area");
        assert.equal(result.canvas.width, canvas.width);
        for (const side of ["left", "right"]) {
            const column = result[side];
            assert.ok(inside(column, safe), `the ${side} column inside the safe area`);
            assert.ok(column.width >= layout.CONTROL_SIZE, `the ${side} column ${column.width} px wide`);
            assert.ok(column.height >= layout.STACK_HEIGHT, `the ${side} column ${column.height} px tall`);
            if (result.place === "over") {
                assert.ok(inside(column, result.canvas), `the ${side} column over the canvas`);
                assert.ok(!overlap(column, onCanvas(result.canvas, CLOCK)), `the ${side} column clear of the clock`);
                assert.ok(!overlap(column, onCanvas(result.canvas, COOK_ROW_MIDDLE)), `the ${side} column clear of the cook's row`);
            } else {
                assert.ok(!overlap(column, result.canvas), `the ${side} column beside the canvas`);
            }
        }
        assert.ok(!overlap(result.left, result.right), "the columns apart");
        assert.ok(result.left.x < result.right.x, "left is left");
        if (result.place === "below") {
            assert.equal(result.canvas.y, safe.y, "the canvas at the top");
        }
        console.log(`ok - ${device.name}: ${result.place}`);
    } catch (error) {
        ++failures;
        console.error(`not ok - ${device.name}: ${error.message}`);
    }
}
process.exit(failures === 0 ? 0 : 1);
