// Downloads the game before it starts: its program (the script and the
// WebAssembly) and its data, all at once, with one bar over every byte. A
// download that fails, stalls or arrives short ends in the page's download
// message, never in a page that waits for ever. Needs page.js first.
"use strict";

(function () {
    // A download that has brought no byte for this long has stalled. One
    // that is slow but still moves is never cut off.
    const STALL_SECONDS = 15;

    // The script's name comes from the tag the build wrote (kept inert in a
    // template, so that the browser does not fetch it on its own).
    const tag = document.getElementById("program").content.querySelector("script");
    const script = new URL(tag.getAttribute("src"), document.baseURI);
    const program = new URL(script.pathname.replace(/\.js$/, ".wasm"), script);
    const data = new URL(script.pathname.replace(/\.js$/, ".data"), script);

    const downloads = [script, program, data].map(function (url) {
        return { url: url, expected: null, received: 0 };
    });
    const aborter = new AbortController();
    let lastByteAt = performance.now();
    let failed = false;

    function showProgress() {
        const known = downloads.every(function (d) {
            return d.expected !== null;
        });
        let received = 0;
        let expected = 0;
        downloads.forEach(function (d) {
            received += d.received;
            expected += d.expected || 0;
        });
        Module.fornalinaProgress(known && expected > 0 ? received / expected : 0);
    }

    function fail(why) {
        if (failed) {
            return;
        }
        failed = true;
        clearInterval(watch);
        aborter.abort();
        console.error("Fornalina: download failed:", why);
        Module.fornalinaDownloadFailed();
    }

    // The body of one download, counted as it arrives. The size the server
    // announced must arrive whole (unless the body was compressed on the
    // way, when the announced size is not the body's).
    async function fetchBytes(download) {
        const response = await fetch(download.url, { signal: aborter.signal });
        lastByteAt = performance.now();
        if (!response.ok) {
            throw new Error(`${download.url.pathname}: HTTP ${response.status}`);
        }
        const announced = Number(response.headers.get("Content-Length"));
        const encoded = (response.headers.get("Content-Encoding") || "identity") !== "identity";
        download.expected = announced > 0 ? announced : 0;
        const reader = response.body.getReader();
        const chunks = [];
        for (;;) {
            const { done, value } = await reader.read();
            if (done) {
                break;
            }
            chunks.push(value);
            download.received += value.length;
            lastByteAt = performance.now();
            showProgress();
        }
        if (!encoded && announced > 0 && download.received !== announced) {
            throw new Error(`${download.url.pathname}: ${download.received} of ${announced} bytes`);
        }
        const bytes = new Uint8Array(download.received);
        let at = 0;
        chunks.forEach(function (chunk) {
            bytes.set(chunk, at);
            at += chunk.length;
        });
        return bytes;
    }

    const watch = setInterval(function () {
        if (performance.now() - lastByteAt > STALL_SECONDS * 1000) {
            fail("no byte for " + STALL_SECONDS + " s");
        }
    }, 1000);

    Promise.all(downloads.map(fetchBytes))
        .then(async function ([scriptBytes, programBytes, dataBytes]) {
            clearInterval(watch);
            // A program cut short or damaged on the way does not compile.
            const compiled = await WebAssembly.compile(programBytes).catch(function (error) {
                throw new Error(`${program.pathname}: ${error.message}`);
            });
            if (failed) {
                return;
            }
            Module.instantiateWasm = function (imports, receive) {
                WebAssembly.instantiate(compiled, imports).then(function (instance) {
                    receive(instance, compiled);
                }, Module.onAbort);
                return {};
            };
            // The data's true size is built into the script: a file cut short
            // on the server arrives as a complete response, but too small.
            Module.getPreloadedPackage = function (name, size) {
                if (dataBytes.length !== size) {
                    fail(`${data.pathname}: ${dataBytes.length} of ${size} bytes`);
                    throw new Error("the game's data arrived short");
                }
                return dataBytes.buffer;
            };
            const code = document.createElement("script");
            code.text = new TextDecoder().decode(scriptBytes);
            document.body.appendChild(code);
        })
        .catch(function (error) {
            fail(error.message || error);
        });
})();
