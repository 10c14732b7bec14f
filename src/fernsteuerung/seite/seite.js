"use strict";
// The remote control page: shows the sign's LEDs live and drives the program through its
// /api/ requests. The token comes from the address's fragment (#token=...), which the
// browser never sends to the server; every request carries it in its Authorization header.

const schluessel = new URLSearchParams(location.hash.slice(1)).get("token") || "";
const leinwand = document.getElementById("leds");
const LEDS = 6 * 7 * 7;

let module = [];              // from /api/layout: {present, x, y} per module
let leds = new Uint8Array(LEDS);
let bilder = 0;               // live messages received
let zeichnenAngefragt = false;
let stand = null;             // the latest /api/status

function $(id) { return document.getElementById(id); }

function melden(text, fehler) {
  const m = $("meldung");
  m.textContent = text;
  m.className = fehler ? "fehler" : "";
}

// German words for the server's refusals; its own message follows.
const FEHLER = {
  400: "Ungültige Anfrage",
  401: "Zugangsschlüssel fehlt oder ist falsch",
  404: "Nicht gefunden",
  413: "Zu groß",
  422: "Nicht möglich",
};

async function api(methode, pfad, inhalt) {
  const kopf = { "Authorization": "Bearer " + schluessel };
  if (inhalt !== undefined) kopf["Content-Type"] = "application/json";
  const antwort = await fetch(pfad, {
    method: methode, headers: kopf, cache: "no-store",
    body: inhalt === undefined ? undefined : JSON.stringify(inhalt),
  });
  const daten = await antwort.json().catch(() => ({}));
  if (!antwort.ok) {
    throw new Error((FEHLER[antwort.status] || "Fehler " + antwort.status) +
                    (daten.error ? ": " + daten.error : ""));
  }
  return daten;
}

// ---- The LED panel, drawn as the window's LED panel draws it ----

// The modules' bounding box in LEDs.
function umfang() {
  if (module.length === 0) return { l: 0, o: 0, b: 42, h: 7 };
  let l = Infinity, o = Infinity, r = -Infinity, u = -Infinity;
  for (const m of module) {
    l = Math.min(l, m.x); o = Math.min(o, m.y);
    r = Math.max(r, m.x + 7); u = Math.max(u, m.y + 7);
  }
  return { l, o, b: r - l, h: u - o };
}

function geometrie() {
  const u = umfang();
  const breite = leinwand.width, hoehe = leinwand.height;
  const zelle = Math.max(2, Math.min((breite - 8) / u.b, (hoehe - 8) / u.h));
  return {
    u, zelle,
    x0: 4 + (breite - 8 - zelle * u.b) / 2,
    y0: 4 + (hoehe - 8 - zelle * u.h) / 2,
  };
}

// Centre of LED (module, row, column) in canvas pixels.
function ledMitte(m, r, c) {
  const g = geometrie();
  const mod = module[m] || { x: 7 * m, y: 0 };
  return {
    x: g.x0 + (mod.x - g.u.l + c + 0.5) * g.zelle,
    y: g.y0 + (mod.y - g.u.o + r + 0.5) * g.zelle,
  };
}

function groesseAnpassen() {
  const u = umfang();
  const dpr = window.devicePixelRatio || 1;
  const breite = Math.max(120, Math.round(leinwand.clientWidth * dpr));
  const hoehe = Math.round(Math.min((breite - 8) / u.b * u.h + 8, 0.8 * window.innerHeight * dpr));
  if (leinwand.width !== breite || leinwand.height !== hoehe) {
    leinwand.width = breite;
    leinwand.height = hoehe;
  }
}

function zeichnen() {
  zeichnenAngefragt = false;
  groesseAnpassen();
  const p = leinwand.getContext("2d");
  p.fillStyle = "rgb(12,12,12)";
  p.fillRect(0, 0, leinwand.width, leinwand.height);
  const g = geometrie();
  const d = g.zelle * 0.72;
  for (let m = 0; m < 6; m++) {
    const mod = module[m] || { x: 7 * m, y: 0 };
    const px = g.x0 + (mod.x - g.u.l) * g.zelle, py = g.y0 + (mod.y - g.u.o) * g.zelle;
    p.fillStyle = "rgb(30,30,30)";
    p.fillRect(px + 0.5, py + 0.5, 7 * g.zelle - 1, 7 * g.zelle - 1);
    for (let r = 0; r < 7; r++) {
      for (let c = 0; c < 7; c++) {
        const led = leds[m * 49 + r * 7 + c];
        p.fillStyle = led === 0 ? "rgb(55,55,55)"
          : `rgb(${led & 1 ? 255 : 0},${led & 2 ? 255 : 0},${led & 4 ? 255 : 0})`;
        p.beginPath();
        p.arc(px + (c + 0.5) * g.zelle, py + (r + 0.5) * g.zelle, d / 2, 0, 2 * Math.PI);
        p.fill();
      }
    }
  }
}

function neuZeichnen() {
  if (zeichnenAngefragt) return;
  zeichnenAngefragt = true;
  requestAnimationFrame(zeichnen);
}

// ---- Live view ----

function liveVerbinden() {
  const ws = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host +
                           "/api/live?token=" + encodeURIComponent(schluessel));
  ws.binaryType = "arraybuffer";
  ws.onopen = () => { $("verbindung").textContent = "live"; $("verbindung").className = "an"; };
  ws.onmessage = (e) => {
    if (!(e.data instanceof ArrayBuffer) || e.data.byteLength !== LEDS) return;
    leds = new Uint8Array(e.data);
    bilder++;
    neuZeichnen();
  };
  ws.onclose = () => {
    $("verbindung").textContent = "getrennt – verbinde neu …";
    $("verbindung").className = "aus";
    setTimeout(liveVerbinden, 2000);
  };
}

// ---- Status, names and actions ----

function standZeigen(s) {
  const vorher = stand;
  stand = s;
  $("darstellung").textContent = s.presentation || "–";
  $("laufliste").textContent = s.runList || "–";
  $("laeuft").textContent = s.playing ? "ja" : "nein";
  $("modus").textContent = s.modeName;
  $("durchlauf").textContent = s.pass;
  $("timer").textContent = s.timer ? "an" : "aus";
  for (const li of document.querySelectorAll("#darstellungen li"))
    li.classList.toggle("laeuft", li.dataset.name === s.presentation);
  for (const li of document.querySelectorAll("#lauflisten li"))
    li.classList.toggle("laeuft", s.playing && li.dataset.name === s.runList);
  if (!vorher || vorher.display.width !== s.display.width || vorher.display.height !== s.display.height)
    anordnungLaden();
}

async function handeln(methode, pfad, inhalt, erfolg) {
  try {
    standZeigen(await api(methode, pfad, inhalt));
    melden(erfolg, false);
  } catch (e) {
    melden(e.message, true);
  }
}

function namenZeigen(liste, namen, schluesselName, wort) {
  const ul = $(liste);
  const alt = [...ul.children].map((li) => li.dataset.name);
  if (alt.length === namen.length && alt.every((n, i) => n === namen[i])) return;
  ul.replaceChildren();
  for (const name of namen) {
    const li = document.createElement("li");
    li.dataset.name = name;
    const span = document.createElement("span");
    span.textContent = name;
    const knopf = document.createElement("button");
    knopf.type = "button";
    knopf.textContent = "Abspielen";
    knopf.setAttribute("aria-label", wort + " „" + name + "“ abspielen");
    knopf.addEventListener("click", () =>
      handeln("POST", "/api/play", { [schluesselName]: name }, wort + " „" + name + "“ gewählt."));
    li.append(span, knopf);
    ul.append(li);
  }
  if (stand) standZeigen(stand);
}

async function anordnungLaden() {
  try {
    module = (await api("GET", "/api/layout")).modules;
    neuZeichnen();
  } catch (e) { /* the next status shows what is wrong */ }
}

async function namenLaden() {
  try {
    namenZeigen("darstellungen", await api("GET", "/api/presentations"), "presentation", "Darstellung");
    namenZeigen("lauflisten", await api("GET", "/api/runlists"), "runList", "Lauf-Liste");
  } catch (e) {
    melden(e.message, true);
  }
}

async function standLaden() {
  try {
    standZeigen(await api("GET", "/api/status"));
  } catch (e) {
    melden(e.message, true);
  }
}

$("timerAn").addEventListener("click", () => handeln("POST", "/api/timer", { on: true }, "Timer an."));
$("timerAus").addEventListener("click", () => handeln("POST", "/api/timer", { on: false }, "Timer aus."));
$("textFormular").addEventListener("submit", (e) => {
  e.preventDefault();
  handeln("PUT", "/api/text", { text: $("textEingabe").value }, "Lauf-Text übernommen.");
});
window.addEventListener("resize", neuZeichnen);

// For tests and tools: where an LED sits on the canvas, and how many frames came.
window.glanzzug = { ledMitte, get bilder() { return bilder; } };

if (!schluessel) {
  melden("Die Adresse enthält keinen Zugangsschlüssel (#token=…). Öffnen Sie die Adresse, " +
         "die Glanzzug beim Start ausgibt.", true);
} else {
  zeichnen();
  anordnungLaden();
  namenLaden();
  standLaden();
  liveVerbinden();
  setInterval(standLaden, 1000);
  setInterval(namenLaden, 10000);
}
