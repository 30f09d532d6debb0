// The web page in headless Chromium: the desktop game's start-up lines on the console, the title drawn in
// a 4:3 picture with bars, the go button clicked where it is drawn starting a level, Escape twice back to
// the level row, and progress kept in the browser across reloads: a medal stored by an earlier visit opens
// level 2, and the game's own save when it ends is there for the next visit.
// Usage: node tests/web_page.js URL DESKTOP_LINES PROFILE_DIR SHOTS_DIR   (run by tools/web/test.sh)
const puppeteer = require('puppeteer-core');
const { PNG } = require('pngjs');
const fs = require('fs');
const [url, desktopLines, profile, shots] = process.argv.slice(2);
const count = { passed: 0, failed: 0 };
const check = (ok, what) => { console.log((ok ? 'ok: ' : 'FAILED: ') + what); count[ok ? 'passed' : 'failed']++; };
const sleep = ms => new Promise(r => setTimeout(r, ms));
// Picture pixels (800 by 600) to page pixels: a 1000 by 600 page puts 100-pixel bars at the sides.
const at = (png, x, y) => [...png.data.slice(4 * (y * png.width + x + 100), 4 * (y * png.width + x + 100) + 3)];
const green = ([r, g, b]) => g > 150 && g > r + 60 && g > b + 60;
const row = png => green(at(png, 20, 20)) && green(at(png, 440, 150)) && at(png, -50, 300).join() === '0,0,0';
const results = png => green(at(png, 20, 20)) && !green(at(png, 440, 150));
const bees = n => png => [...Array(n).keys()].every(i => {
  const [r, g, b] = at(png, Math.round(60 * (i / n * 12 + 0.666)), 40);
  return r > 160 && g > 170 && b < r - 40; // yellow: a bee still out, or one home already
});

(async () => {
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'] });
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 600 });
  let lines = [];
  page.on('console', m => lines.push(m.text()));
  page.on('pageerror', e => check(false, 'page error: ' + e.message));
  const waitFor = async (name, test) => { // on a picture whose slide is over: its middle stays put
    for (let end = Date.now() + 30000, last = ''; Date.now() < end; await sleep(250)) {
      const png = PNG.sync.read(await page.screenshot({ path: `${shots}/${name}.png` }));
      const middle = at(png, 400, 150).join();
      if (test(png) && middle === last) return check(true, name);
      last = middle;
    }
    check(false, name);
    throw new Error('gave up waiting for ' + name);
  };
  const go = async (name, n) => { // the row's slide is over within a second; then the go button, hovered first
    await sleep(2000); // a busy machine draws few frames a second: give the page time to see the pointer
    await page.mouse.move(500, 303);
    await sleep(1000);
    await page.mouse.click(500, 303);
    await waitFor(name, bees(n));
  };
  const key = async (name, test) => { await sleep(1000); await page.keyboard.press('Escape'); await waitFor(name, test); };
  try {
    // An earlier visit that won a daisy on level 1 (saved as the game saves: a count, then id and medals).
    await page.goto(url);
    await waitFor('title', row);
    await page.evaluate(() => new Promise(done => {
      FS.writeFile('/progress/savegame.dat', new Uint8Array([1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0]));
      FS.syncfs(false, done);
    }));
    lines = [];
    await page.reload();
    await waitFor('title_again', row);
    const normal = l => l.replace(/\d+x\d+/g, 'WxH');
    const desktop = fs.readFileSync(desktopLines, 'utf8').trim().split('\n').map(normal);
    const web = lines.filter(l => /^[-!*] /.test(l)).map(normal);
    check(desktop.length > 10 && desktop.every((l, i) => l === web[i]), 'the start-up lines are the desktop game\'s');
    await go('level2_opened_by_the_stored_medal', 8);
    await key('results', results);
    await key('row', row);
    await page.keyboard.press('Escape'); // quits: the game saves, and the page says so
    await page.waitForFunction(() => /Reload/.test(document.getElementById('note').textContent), { timeout: 30000 });
    await page.reload();
    await waitFor('title_after_the_end', row);
    const saved = await page.evaluate(() => Array.from(FS.readFile('/progress/savegame.dat')));
    check(saved.length === 84 && saved.slice(4, 12).join() === '1,0,0,0,1,0,0,0', 'the game\'s own save was kept');
  } catch (e) {
    check(false, e.message);
  }
  await browser.close();
  console.log(`${count.passed} passed, ${count.failed} failed`);
  process.exit(count.failed ? 1 : 0);
})();
