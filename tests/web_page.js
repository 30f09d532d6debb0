// The web page in headless Chromium, and its mouse and keyboard part in Firefox too.
// - First visit, on a slow network: a progress bar that moves, the desktop game's start-up lines, the
//   pictures as the files hold them, the title in a 4:3 picture with bars; silence until the first click,
//   then the audio context running, the game's device open and a tile's tick heard; M kept across a reload;
//   Escape on the level row ends nothing.
// - Progress kept across reloads: a medal stored by an earlier visit opens level 2, whose go button,
//   clicked where it is drawn, starts it; Escape twice back to the row, the play kept as a replay.
// - A landscape phone (844 by 390, touch, no mouse): the whole picture with bars, buttons for the keys at
//   least 44 pixels; one tap on Go starts the level; a finger at an edge scrolls and a lifted one stops;
//   a drag from a flower lays scent at the finger; the page neither scrolls nor zooms; the level editor
//   opens, paints with a finger and tests its level. Upright, it asks to be turned. With the network cut,
//   a reload still plays. The page is installable.
// - A browser without WebGL, and one refusing storage, are told so on the page.
// Usage: node tests/web_page.js URL DESKTOP_LINES PROFILE_DIR SHOTS_DIR DATA_DIR   (run by tools/web/test.sh)
const puppeteer = require('puppeteer-core');
const { PNG } = require('pngjs');
const crypto = require('crypto');
const fs = require('fs');
const [url, desktopLines, profile, shots, data] = process.argv.slice(2);
const count = { passed: 0, failed: 0 };
const check = (ok, what) => { console.log((ok ? 'ok: ' : 'FAILED: ') + what); count[ok ? 'passed' : 'failed']++; };
const sleep = ms => new Promise(r => setTimeout(r, ms));
const green = ([r, g, b]) => g > 150 && g > r + 60 && g > b + 60;
const pink = ([r, g, b]) => r - g;

// One browser tab and its picture: a picture pixel (of 800 by 600) in page pixels, read from a screenshot.
function tab(page, engine) {
  const t = { page, lines: [] };
  page.on('console', m => t.lines.push(m.text()));
  page.on('pageerror', e => check(false, `${engine}: page error: ${e.message}`));
  t.fit = async () => { // the game fits its 4:3 picture into the canvas as the page lays it out
    t.pic = await page.evaluate(() => {
      const R = document.getElementById('canvas').getBoundingClientRect(), S = Math.min(R.width / 800, R.height / 600);
      return { x: R.left + (R.width - 800 * S) / 2, y: R.top + (R.height - 600 * S) / 2, s: S };
    });
  };
  t.x = x => Math.round(t.pic.x + x * t.pic.s);
  t.y = y => Math.round(t.pic.y + y * t.pic.s);
  t.at = (png, x, y) => { const i = 4 * (t.y(y) * png.width + t.x(x)); return [...png.data.slice(i, i + 3)]; };
  t.shot = async name => PNG.sync.read(await page.screenshot({ path: `${shots}/${engine}_${name}.png` }));
  t.row = png => green(t.at(png, 20, 20)) && green(t.at(png, 440, 150)) && t.at(png, -12, 300).join() === '0,0,0';
  t.results = png => green(t.at(png, 20, 20)) && !green(t.at(png, 440, 150));
  t.bees = n => png => [...Array(n).keys()].every(i => {
    const [r, g, b] = t.at(png, Math.round(60 * (i / n * 12 + 0.666)), 40);
    return r > 160 && g > 170 && b < r - 40; // yellow: a bee still out, or one home already
  });
  t.muted = png => { // the crossed-out loudspeaker's red lines in the bottom right corner
    for (let x = 765; x < 795; x++) for (let y = 560; y < 590; y++) { const [r, g] = t.at(png, x, y); if (r > 150 && g < 90) return true; }
    return false;
  };
  t.waitFor = async (name, test, quiet) => { // on a picture whose slide is over: its middle stays put
    await t.fit();
    for (let end = Date.now() + 40000, last = ''; Date.now() < end; await sleep(250)) {
      const png = await t.shot(name);
      const middle = t.at(png, 400, 150).join();
      if (test(png) && middle === last) return quiet || check(true, `${engine}: ${name}`);
      last = middle;
    }
    check(false, `${engine}: ${name}`);
    throw new Error('gave up waiting for ' + name);
  };
  t.ready = () => page.waitForFunction(() => window.Module && Module.calledRun, { timeout: 60000 });
  t.key = async (name, key, test) => { await sleep(1000); await page.keyboard.press(key); await t.waitFor(name, test); };
  t.clickGo = async (name, n) => { // the row's slide is over within a second; then the go button, hovered first
    await sleep(2000); // a busy machine draws few frames a second: give the page time to see the pointer
    await page.mouse.move(t.x(400), t.y(303));
    await sleep(1000);
    await page.mouse.click(t.x(400), t.y(303));
    await t.waitFor(name, t.bees(n));
  };
  return t;
}

const desktop = () => fs.readFileSync(desktopLines, 'utf8').trim().split('\n').map(l => l.replace(/\d+x\d+/g, 'WxH'));
const sameLines = t => {
  const web = t.lines.filter(l => /^[-!*] /.test(l)).map(l => l.replace(/\d+x\d+/g, 'WxH'));
  return desktop().length > 10 && desktop().every((l, i) => l === web[i]);
};
// The game's sound: whether the first click started it, the device is open, and what it plays is heard.
const sound = page => page.evaluate(() => {
  const S = Module.SDL2 || {}, Node = S.audio && S.audio.scriptProcessorNode;
  if (Node && !Node.heard) {
    const Play = Node.onaudioprocess;
    Node.heard = 0;
    Node.onaudioprocess = E => {
      Play(E);
      for (const V of E.outputBuffer.getChannelData(0)) Node.heard = Math.max(Node.heard, Math.abs(V));
    };
  }
  return { state: S.audioContext ? S.audioContext.state : 'none', open: !!Node, heard: Node ? Node.heard : 0 };
});

async function desktopSized(browser) {
  const page = await browser.newPage();
  const t = tab(page, 'chromium');
  await page.setViewport({ width: 1000, height: 600 });
  const cdp = await page.createCDPSession();
  // The first visit over a slow line (6 Mbit/s): what the bar said on the way.
  await page.evaluateOnNewDocument(() => {
    window.said = [];
    addEventListener('DOMContentLoaded', () => new MutationObserver(() => said.push(document.getElementById('status').textContent))
      .observe(document.getElementById('status'), { childList: true, characterData: true, subtree: true }));
  });
  await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 20, downloadThroughput: 750000, uploadThroughput: 750000 });
  await page.goto(url);
  await t.waitFor('title', t.row);
  await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  const said = await page.evaluate(() => said);
  const part = said.map(s => /Loading\.\.\. ([\d.]+) of ([\d.]+) MB/.exec(s)).filter(m => m && +m[1] > 0 && +m[1] < +m[2]);
  check(part.length >= 3, `the progress bar moved while loading (${part.length} steps, the last "${said.filter(s => /Loading/.test(s)).pop()}")`);
  check(sameLines(t), 'the start-up lines are the desktop game\'s, before any sound is allowed');
  const digests = await page.evaluate(names => Promise.all(names.map(N => crypto.subtle.digest('SHA-256', FS.readFile('/data/gfx/' + N))
    .then(D => Array.from(new Uint8Array(D)).map(b => b.toString(16).padStart(2, '0')).join('')))), fs.readdirSync(`${data}/gfx`));
  const pictures = fs.readdirSync(`${data}/gfx`);
  // The pictures without words go as lossy WebP: the same size and header, not the same bytes.
  const same = (n, i) => n.endsWith('_blank1.tga') ? page.evaluate(N => FS.readFile('/data/gfx/' + N).length, n).then(L => L === fs.statSync(`${data}/gfx/${n}`).size)
    : crypto.createHash('sha256').update(fs.readFileSync(`${data}/gfx/${n}`)).digest('hex') === digests[i];
  const reached = await Promise.all(pictures.map(same));
  check(pictures.length > 10 && reached.every(Boolean), 'every picture reaches the game as its file holds it, those without words as large');

  // Sound: after the first click the audio context runs (headless Chromium may start it earlier, where a
  // player's browser waits for the click), the game's device is open, and a tile's tick is heard.
  const before = await sound(page);
  await page.mouse.move(t.x(580), t.y(450));
  await sleep(1000);
  await page.mouse.click(t.x(580), t.y(450)); // the second tile, closed: it can be selected
  await sleep(1500);
  const after = await sound(page);
  check(before.heard === 0 && after.state === 'running' && after.open && after.heard > 0.01,
    `sound starts with the first click (audio context ${before.state}, then ${after.state}; device open: ${after.open}; loudest ${after.heard.toFixed(3)})`);
  const soundSays = () => page.$eval('#sound', B => B.textContent);
  await page.keyboard.press('m');
  await t.waitFor('muted', png => t.row(png) && t.muted(png));
  check(await soundSays() === 'Sound off', `the Sound button says sound is off ("${await soundSays()}")`);
  await page.reload();
  await t.waitFor('still_muted_after_a_reload', png => t.row(png) && t.muted(png));
  await t.key('sound_on_again', 'm', png => t.row(png) && !t.muted(png));
  check(await soundSays() === 'Sound on', `and on again ("${await soundSays()}")`);
  await t.key('escape_on_the_row_ends_nothing', 'Escape', t.row);
  await sleep(2000);
  check(t.row(await t.shot('still_the_row')) && await page.evaluate(() => !/Reload/.test(document.getElementById('status').textContent)),
    'the row stays after Escape, and the page asks for no reload');

  // An earlier visit that won a daisy on level 1 (saved as the game saves: a count, then id and medals).
  await page.evaluate(() => new Promise(done => {
    FS.writeFile('/progress/savegame.dat', new Uint8Array([1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0]));
    FS.syncfs(false, done);
  }));
  await page.reload();
  await t.waitFor('title_with_the_stored_medal', t.row);
  await t.clickGo('level2_opened_by_the_stored_medal', 8);
  await t.key('results', 'Escape', t.results);
  await t.key('row', 'Escape', t.row);
  await sleep(1000); // the store is handed the replay after the frame that wrote it
  await page.reload();
  await t.waitFor('title_after_a_reload', t.row);
  const kept = await page.evaluate(() => FS.readdir('/progress/replays'));
  check(kept.includes('level2-last.qbr'), `the play was kept as a replay across a reload (${kept.join(' ')})`);

  // A level opened from a link starts at once, named in the page's title, and joins the player's levels.
  await page.goto(url + '#level=' + process.env.QUORVEL_LEVEL_CODE);
  const opened = await page.waitForFunction(() => document.title === 'Quorvel Bees — First Flight', { timeout: 60000 })
    .then(() => true, () => false);
  check(opened, `a level's link opens the level (the page's title: "${await page.title()}")`);
  const own = await page.evaluate(() => FS.readdir('/progress/levels'));
  check(own.includes('first-flight.qbl'), `and keeps it among the player's levels (${own.join(' ')})`);
  check(!/#level=/.test(await page.url()), 'and the link is taken from the address, so a reload does not open it again');
  await page.close();
}

async function phone(browser) {
  const page = await browser.newPage();
  const t = tab(page, 'chromium');
  await page.setViewport({ width: 844, height: 390, isMobile: true, hasTouch: true });
  const cdp = await page.createCDPSession();
  const finger = (type, x, y) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
  const tap = async (x, y) => { await finger('touchStart', x, y); await sleep(150); await finger('touchEnd'); };
  await page.goto(url);
  await t.waitFor('phone_title', t.row);
  check(Math.abs(t.pic.s * 600 - 390) < 1 && t.pic.x > 60, `a landscape phone shows the whole picture with bars (${Math.round(800 * t.pic.s)}x${Math.round(600 * t.pic.s)})`);
  const buttons = await page.$$eval('.keys button', B => B.map(b => { const r = b.getBoundingClientRect(); return [b.textContent, r.width, r.height]; }));
  check(buttons.length === 8 && buttons.every(([, w, h]) => w >= 44 && h >= 44), `buttons for the keys, each at least 44 pixels: ${buttons.map(b => b.join(' ')).join(', ')}`);

  // Only the buttons whose keys do something here are lit: on the row, Watch and Demo, not Again or Back.
  const lit = () => page.$$eval('.keys button[data-key]', B => B.filter(b => !b.disabled).map(b => b.textContent).join(' '));
  const onTheRow = await lit();
  check(/Watch/.test(onTheRow) && /Demo/.test(onTheRow) && !/Again|Back|Next/.test(onTheRow), `on the row the page offers ${onTheRow}`);
  await sleep(2000);
  await tap(t.x(400), t.y(303));
  await t.waitFor('one_tap_on_go_starts_the_level', t.bees(8));
  const inPlay = await lit();
  check(/Pause/.test(inPlay) && /Again/.test(inPlay) && /Back/.test(inPlay) && !/Demo|Watch/.test(inPlay), `in a level it offers ${inPlay}`);

  // A drag from the flower nearest the middle to a spot 150 picture pixels toward the middle.
  // In the opening view, before any scroll: a flower's heart is (255, 51, 51), or (255, 76, 76) lit under
  // the pointer. Flowers grow where the level's seed puts them, and some seeds leave none in the opening
  // view: then Again starts the level afresh, as a player would, a second later for another seed.
  const button = label => page.$$eval('.keys button', (B, L) => { const r = B.find(b => b.textContent === L).getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }, label);
  const heart = ([r, g, b]) => Math.min(...[51, 76].map(h => Math.abs(r - 255) + Math.abs(g - h) + Math.abs(b - h)));
  let start = null, flower = null, reddest = null, reddestD = Infinity, starts = 0;
  while (!flower && starts < 6) {
    if (starts++) {
      await sleep(1000);
      await tap(...await button('Again'));
      await t.waitFor('level_started_again', t.bees(8), true);
    }
    // The level's name may cover a heart while it shows: a few looks before another seed.
    for (let look = 0; look < 4 && !flower; look++) {
      await sleep(look ? 1000 : 300);
      start = await t.shot('before_the_drag');
      for (let y = 100; y < 590; y++) for (let x = 10; x < 790; x++) {
        const c = t.at(start, x, y), d = heart(c);
        if (d < reddestD) [reddest, reddestD] = [c, d];
        if (d <= 12 && (!flower || Math.hypot(x - 400, y - 300) < Math.hypot(flower[0] - 400, flower[1] - 300))) flower = [x, y];
      }
    }
  }
  check(flower !== null, `a flower in view (${flower} in the level's start number ${starts}; the nearest colour to a heart: ${reddest})`);
  const [fx, fy] = flower || [400, 300];
  const qx = fx + (fx < 400 ? 150 : -150), qy = fy;
  const scent0 = pink(t.at(start, qx, qy));
  await finger('touchStart', t.x(fx), t.y(fy));
  await sleep(400);
  for (let s = 1; s <= 8; s++) { await finger('touchMove', t.x(fx + (qx - fx) * s / 8), t.y(fy)); await sleep(60); }
  // The scent builds up while the finger rests there: look until it shows, for as long as a slow frame needs.
  let scent1 = scent0;
  for (let tries = 0; tries < 60 && scent1 <= scent0 + 25; tries++) {
    await sleep(300);
    scent1 = pink(t.at(await t.shot('finger_drag_from_a_flower'), qx, qy));
  }
  await finger('touchEnd');
  check(scent1 > scent0 + 25, `a finger's drag lays pollen scent at the finger (red over green ${scent0}, then ${scent1})`);

  // A finger held just inside the right edge's band scrolls the map slowly; lifted, the map stays where it is.
  // (Below the level's name, which stays put.)
  const shift = (a, b) => { // how far the picture moved left from a to b, in page pixels
    let best = 0, least = Infinity;
    for (let d = 0; d <= 120; d++) {
      let sum = 0;
      for (let y = 320; y < 580; y += 20) for (let x = 20; x < 700; x += 2) {
        const p = t.at(a, x, y), q = t.at(b, x - d / t.pic.s, y);
        sum += Math.abs(p[0] - q[0]) + Math.abs(p[1] - q[1]) + Math.abs(p[2] - q[2]);
      }
      if (sum < least) least = sum, best = d;
    }
    return best;
  };
  await finger('touchStart', t.x(11.3 * 60), t.y(300));
  await sleep(300);
  const held1 = await t.shot('finger_at_the_edge'), held2 = (await sleep(300), await t.shot('finger_at_the_edge_later'));
  await finger('touchEnd');
  await sleep(300);
  const lifted1 = await t.shot('finger_lifted'), lifted2 = (await sleep(600), await t.shot('finger_lifted_later'));
  const moving = shift(held1, held2), still = shift(lifted1, lifted2);
  check(moving > 0 && still === 0, `a finger near the edge scrolls (${moving} pixels), a lifted one does not (${still})`);
  check(await page.evaluate(() => scrollX === 0 && scrollY === 0 && visualViewport.scale === 1), 'the page neither scrolled nor zoomed under the finger');

  // The page's buttons press the keys: Back ends the level, and on the results leads to the row.
  await sleep(500);
  await tap(...await button('Back'));
  await t.waitFor('back_button_ends_the_level', t.results);
  await sleep(1000);
  await tap(...await button('Back'));
  await t.waitFor('back_button_leaves_the_results', t.row);

  // The level editor with a finger: its button on the title, a new meadow from the start card, the Water
  // button, a drag that paints, Test that plays the level, and Back to the editor and on to the title.
  const titled = async (name, title) => check(await page.waitForFunction(T => document.title === T, { timeout: 30000 }, title)
    .then(() => true, () => false), `${name} (the page's title: "${await page.title()}")`);
  await sleep(1000);
  await tap(t.x(220), t.y(357));
  await titled('the Level editor button opens the editor', 'Quorvel Bees — Editing New level');
  await sleep(1000);
  await tap(t.x(147), t.y(141)); // a meadow of 14 by 10
  await sleep(1000);
  await tap(t.x(127), t.y(573)); // Water
  await sleep(500);
  await finger('touchStart', t.x(60), t.y(300));
  await sleep(300);
  for (let s = 1; s <= 8; s++) { await finger('touchMove', t.x(60 + 30 * s), t.y(300)); await sleep(80); }
  await finger('touchEnd');
  await sleep(1000);
  const painted = t.at(await t.shot('editor_finger_painted'), 180, 300);
  check(painted[2] > painted[0] + 40, `a finger's drag paints water in the editor (${painted})`);
  await tap(t.x(620), t.y(455)); // Test
  await titled('Test plays the level made', 'Quorvel Bees — New level');
  await sleep(1000);
  await tap(...await button('Back'));
  await sleep(1000);
  await tap(...await button('Back'));
  await titled('Back on its results comes back to the editor', 'Quorvel Bees — Editing New level');
  await sleep(1000);
  await tap(t.x(749), t.y(573)); // the editor's own Back
  await t.waitFor('editor_left_for_the_row', t.row);

  const errors = (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors;
  check(errors.length === 0, `installable as an app (${errors.map(e => e.errorId).join(', ') || 'no errors'})`);
  await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
  await sleep(1000);
  await page.screenshot({ path: `${shots}/phone_upright.png` });
  check(await page.evaluate(() => getComputedStyle(document.getElementById('turn')).display !== 'none'), 'an upright phone is asked to turn');
  await page.setViewport({ width: 844, height: 390, isMobile: true, hasTouch: true });

  // Offline: the worker kept every file at the first visit; with the network cut a reload still plays.
  await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 30000 });
  await page.setOfflineMode(true);
  await page.reload();
  await t.waitFor('offline_title', t.row);
  await sleep(2000);
  await tap(t.x(400), t.y(303));
  await t.waitFor('offline_level', t.bees(8));
  await page.setOfflineMode(false);
  await page.close();
}

// A browser that cannot start the game, or cannot keep its files, says so on the page.
async function refusals(browser) {
  const told = async (name, setup, where, what) => {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(setup);
    await page.goto(url);
    await page.waitForFunction((W, T) => new RegExp(T).test((document.getElementById(W) || {}).textContent), { timeout: 60000 }, where, what)
      .then(() => check(true, name), () => check(false, name));
    await page.close();
  };
  await told('a browser without WebGL is told so on the page', () => {
    const Get = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (Kind) { return /webgl/.test(Kind) ? null : Get.apply(this, arguments); };
  }, 'status', 'needs WebGL');
  await told('a browser refusing storage is told so on the page', () => {
    IDBFactory.prototype.open = () => { throw new DOMException('The user denied permission to access the database.', 'SecurityError'); };
  }, 'warning', 'keeps no files');
}

// A browser that asks for Russian: the page's buttons and the game in Russian, the page's language said.
async function russian(browser) {
  const po = fs.readFileSync(`${data}/../po/ru.po`, 'utf8');
  const ru = english => (po.match(new RegExp(`\nmsgid "${english}"\nmsgstr "([^"]*)"`)) || [])[1];
  const page = await browser.newPage();
  const t = tab(page, 'chromium_ru');
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(navigator, 'languages', { get: () => ['ru-RU', 'ru', 'en'] });
    Object.defineProperty(navigator, 'language', { get: () => 'ru-RU' });
  });
  await page.setViewport({ width: 1000, height: 600 });
  await page.goto(url);
  await t.fit();
  await t.waitFor('ru_row', t.row);
  const words = await page.evaluate(() => ({ lang: document.documentElement.lang,
    back: document.querySelector('button[data-text="Back"]').textContent }));
  check(words.lang === 'ru' && words.back === ru('Back') && ru('Back'), `a Russian browser: the page says ${words.lang}, Back is "${words.back}"`);
  for (let i = 0; i < 10; i++) await page.keyboard.press('ArrowLeft'); // the row may open on a later level
  await page.keyboard.press('Enter');
  const title = `1 · ${ru('First Flight')}`;
  check(await page.waitForFunction(T => document.title.endsWith(T), { timeout: 30000 }, title).then(() => true, () => false),
    `a Russian browser: level 1 in play is "${title}" (the page's title: "${await page.title()}")`);
  await t.key('ru_results', 'Escape', t.results);
  await page.close();
}

// Firefox, driven over WebDriver BiDi: the start-up lines, the title, the go button, Escape, the sound
// device. It has no sound card here, so its audio context cannot start.
async function firefox() {
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    userDataDir: `${profile}/firefox`, extraPrefsFirefox: { 'webgl.force-enabled': true },
    env: { ...process.env, MOZ_WEBGL_FORCE_EGL: '1', EGL_PLATFORM: 'surfaceless' } }); // llvmpipe without a display
  try {
    const page = await browser.newPage();
    const t = tab(page, 'firefox');
    await page.setViewport({ width: 1000, height: 600 });
    await page.goto(url);
    await t.waitFor('title', t.row);
    check(sameLines(t), `firefox ${await browser.version()}: the start-up lines are the desktop game's`);
    await t.clickGo('level1_from_the_go_button', 5);
    const s = await sound(page);
    check(s.open, `firefox: the game's sound device is open (audio context ${s.state})`);
    await t.key('results', 'Escape', t.results);
    await t.key('row', 'Escape', t.row);
  } finally {
    await browser.close();
  }
}

(async () => {
  fs.mkdirSync(`${profile}/firefox`, { recursive: true });
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, userDataDir: `${profile}/chromium`,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'] });
  for (const part of [desktopSized, phone, refusals, russian]) await part(browser).catch(e => check(false, e.message));
  await browser.close();
  await firefox().catch(e => check(false, 'firefox: ' + e.message));
  console.log(`${count.passed} passed, ${count.failed} failed`);
  process.exit(count.failed ? 1 : 0);
})();
