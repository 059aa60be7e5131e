// The browser build played in a real browser: node web/test/browser-test.mjs
// SITE REFERENCES ASSETS. SITE is the built site, REFERENCES the desktop
// game's own pictures (fornalina-screenshots "all" and "clock"), ASSETS the
// game's Assets/. Then the same site on an emulated phone (touch-test.mjs),
// upright and on its side; with FORNALINA_PHONE_SHOTS=FOLDER, the phone's
// screenshots go there. Prints what it checked and measured; exits 1 on a failure.
import { strict as assert } from "node:assert";
import { join } from "node:path";
import {
    canvasPicture,
    clockReferences,
    cookColumn,
    isSame,
    launchBrowser,
    openGame,
    passStartPrompt,
    PictureComparer,
    readClock,
    readPicture,
    SAME_PICTURE,
    serve,
    sleep,
    waitForCanvas,
} from "./browser.mjs";
import { checkInstallAndOffline, checkUpdate, playByTouch } from "./touch-test.mjs";

const [site, references, assets] = process.argv.slice(2);
if (!site || !references || !assets) {
    console.error("usage: node browser-test.mjs SITE REFERENCES ASSETS");
    process.exit(2);
}

const SOUND_ICON = { x: 720, y: 20, width: 52, height: 52 };
const PAUSE_CARD = { x: 250, y: 200, width: 300, height: 200 };

function format(difference) {
    return `mean ${difference.mean.toFixed(3)}/255, ${(100 * difference.differingShare).toFixed(3)} % of pixels apart`;
}

const checks = [];
function passed(text) {
    checks.push(text);
    console.log(`ok - ${text}`);
}

const server = await serve(site);
const { browser, close } = await launchBrowser();
let failed = false;
try {
    const comparer = await PictureComparer.open(browser);
    await comparer.remember(
        Object.fromEntries(clockReferences.map((r) => [r.name, readPicture(join(references, `${r.name}.png`))])),
    );
    const menu = readPicture(join(references, "menu.png"));
    const difficulty = readPicture(join(references, "difficulty.png"));
    const pause = readPicture(join(references, "pause.png"));
    const soundOff = readPicture(join(assets, "Sprites", "SoundOff.png"));
    const background = readPicture(join(assets, "Sprites", "Background.png"));
    const recipeCards = ["FReceita1.png", "FReceita2.png", "FReceita3.png"].map((name) =>
        readPicture(join(assets, "Sprites", name)),
    );
    // The icon's file holds it at (0, 0); the game draws it at SOUND_ICON.
    const soundIsOff = async (picture) =>
        isSame(await comparer.difference(picture, soundOff, SOUND_ICON, { bOrigin: { x: 0, y: 0 } }));

    const { page, errors } = await openGame(browser, server.address);
    const title = await page.title();
    const language = await page.$eval("html", (html) => html.lang);
    assert.equal(title, "Fornalina");
    assert.equal(language, "pt-BR");
    passed(`the page: title "${title}", lang ${language}`);

    const prompt = await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
    assert.equal(await prompt.evaluate((p) => p.textContent.trim()), "Clique ou aperte uma tecla para começar");
    await page.click("#panel");
    const menuShown = await waitForCanvas(
        page,
        async (picture) => isSame(await comparer.difference(picture, menu)),
        30000,
        "the title menu",
    );
    const menuDifference = await comparer.difference(menuShown, menu);
    passed(`start prompt passed with a click; the title menu matches the desktop's (${format(menuDifference)})`);
    const touchParts = await page.evaluate(() => ({
        touch: document.documentElement.classList.contains("touch"),
        controls: [...document.querySelectorAll("button.control")].filter((b) => b.offsetParent !== null).length,
    }));
    assert.deepEqual(touchParts, { touch: false, controls: 0 }, "a desktop page without touch shows controls");
    passed("no touch screen: no controls shown");

    await page.keyboard.press("Enter");
    await waitForCanvas(page, async (p) => isSame(await comparer.difference(p, difficulty)), 10000, "the difficulty screen");
    passed("ENTER: the difficulty screen");

    await page.keyboard.press("Numpad1");
    await sleep(500);
    assert.ok(isSame(await comparer.difference(await canvasPicture(page), difficulty)), "the keypad's 1 chose a level");
    await page.keyboard.press("1");
    await waitForCanvas(
        page,
        async (p) => {
            for (const card of recipeCards) {
                // The card is the whole screen but for the sound icon in its corner.
                const d = await comparer.difference(p, card, { x: 0, y: 100, width: 800, height: 500 });
                if (isSame(d)) {
                    return true;
                }
            }
            return false;
        },
        10000,
        "an easy recipe card",
    );
    passed("the keypad's 1 does nothing; the main row's 1: an easy recipe card");

    await page.keyboard.press("Enter");
    // Each reading is timed by its picture's capture, taken between two clock
    // readings of this machine.
    const timedReading = async () => {
        const before = Date.now();
        const picture = await canvasPicture(page);
        const at = (before + Date.now()) / 2000;
        return { picture, at, second: await readClock(comparer, picture) };
    };
    let first;
    const deadline = Date.now() + 20000;
    do {
        assert.ok(Date.now() < deadline, "timed out waiting for the clock at 0:58");
        first = await timedReading();
    } while (first.second < 0 || first.second > 58);
    await sleep(3000);
    const second = await timedReading();
    const picture = second.picture;
    const firstReading = first.second;
    const secondReading = second.second;
    const elapsed = second.at - first.at;
    assert.ok(
        firstReading - secondReading >= Math.floor(elapsed) - 1 && firstReading - secondReading <= Math.ceil(elapsed) + 1,
        `the clock went from ${firstReading} to ${secondReading} s in ${elapsed.toFixed(1)} s`,
    );
    passed(`ENTER: the round runs; the clock counts down (${firstReading} s, then ${secondReading} s ${elapsed.toFixed(1)} s later)`);

    const before = await cookColumn(comparer, picture, background);
    for (let press = 0; press < 10; ++press) {
        await page.keyboard.press("ArrowRight");
    }
    await sleep(300);
    const after = await cookColumn(comparer, await canvasPicture(page), background);
    assert.ok(after - before >= 60 && after - before <= 140, `the cook went from column ${before} to ${after}`);
    passed(`ten presses of → move the cook ${Math.round(after - before)} pixels right`);

    await page.evaluate(() => window.dispatchEvent(new FocusEvent("blur")));
    await waitForCanvas(
        page,
        async (p) => isSame(await comparer.difference(p, pause, PAUSE_CARD)),
        5000,
        "the pause picture",
    );
    await page.keyboard.press("p");
    await waitForCanvas(
        page,
        async (p) => !isSame(await comparer.difference(p, pause, PAUSE_CARD)),
        5000,
        "the round going on",
    );
    passed("the window losing the focus pauses the round; P goes on");

    await page.keyboard.press("m");
    await waitForCanvas(page, soundIsOff, 5000, "the sound icon switched off");
    assert.equal(await page.evaluate(() => localStorage.getItem("fornalina.music")), "off");
    passed("M: the music is off, its icon shows it, and the choice is stored");

    await page.reload({ waitUntil: "load" });
    await passStartPrompt(page);
    const menuAgain = await waitForCanvas(
        page,
        async (p) => isSame(await comparer.difference(p, menu, { x: 0, y: 100, width: 800, height: 500 })),
        30000,
        "the title menu after a reload",
    );
    assert.ok(await soundIsOff(menuAgain), "after a reload the menu's icon shows the music off");
    passed("after a reload the music is still off");

    await page.keyboard.press("Escape");
    await page.waitForSelector("#goodbye:not([hidden])", { visible: true, timeout: 10000 });
    passed("ESC on the title menu ends the game; the page says goodbye");

    assert.deepEqual(errors, [], "the page logged errors");
    passed("the page logged no error");

    // A browser without WebGL: the game cannot make its window, and says so.
    const { browser: plain, close: closePlain } = await launchBrowser(["--disable-3d-apis"]);
    try {
        const { page: failing } = await openGame(plain, server.address);
        await passStartPrompt(failing);
        await failing.waitForSelector("#failure:not([hidden])", { visible: true, timeout: 30000 });
        const message = await failing.$eval("#message", (m) => m.textContent);
        assert.equal(message, "Falha ao criar janela.");
        passed(`without WebGL the page shows the game's own message: "${message}"`);
    } finally {
        await closePlain();
    }

    // A phone: touch only, upright then on its side; the web app on the first.
    // It starts as a first visit does, the music on.
    await page.evaluate(() => localStorage.removeItem("fornalina.music"));
    const tools = {
        comparer,
        isSame,
        soundIsOff,
        readClock: (picture) => readClock(comparer, picture),
        cookColumn: (picture) => cookColumn(comparer, picture, background),
        references: { menu, pause },
        PAUSE_CARD,
        site,
    };
    const shots = process.env.FORNALINA_PHONE_SHOTS;
    const upright = await playByTouch(browser, server.address, "portrait", tools, passed, shots);
    await checkInstallAndOffline(upright, tools, passed);
    await upright.page.close();
    await checkUpdate(browser, site, passed);
    const onItsSide = await playByTouch(browser, server.address, "landscape", tools, passed, shots);
    await onItsSide.page.close();
    console.log(JSON.stringify({ menuDifference, threshold: SAME_PICTURE }));
} catch (error) {
    failed = true;
    console.error(`not ok - ${error.message}`);
} finally {
    await close();
    server.stop();
}
process.exit(failed ? 1 : 0);
