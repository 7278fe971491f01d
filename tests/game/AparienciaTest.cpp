// Coloured and plain pieces, marks and text scores, help and the about box.
#include <fstream>

#include "Mesa.h"

namespace quorbel::prueba {
namespace {

TEST(CambiarColor, RefusedWithoutTextOrWithTooManyPieces) {
  struct Caso {
    Ajustes ajustes;
    const char* mensaje;
  } casos[] = {
      {HacerAjustes(4, 10, 20, JugarCon::Letras, false), "No hay tantas fichas de color."},
      {HacerAjustes(4, 10, 13, JugarCon::Vacio, true), "Las fichas deben tener texto."},
      {HacerAjustes(4, 10, 5, JugarCon::Vacio, true), "Las fichas deben tener texto."},
  };
  for (const auto& c : casos) {
    Mesa m;
    m.plataforma.Variado(100);
    ASSERT_TRUE(archivo_ajustes::Guardar(m.ini, c.ajustes));
    m.juego.Arrancar();
    m.juego.VerSolucion();
    const RegistroPrincipal antes = m.juego.partida().principal;
    m.juego.CambiarColor();
    EXPECT_EQ(m.plataforma.UltimoMensaje(), c.mensaje);
    EXPECT_EQ(m.plataforma.mensajes.back().icono, Icono::Exclamacion);
    EXPECT_EQ(m.juego.partida().ajustes, c.ajustes);
    EXPECT_EQ(m.juego.partida().principal.paleta[1].fondo, antes.paleta[1].fondo);
    EXPECT_TRUE(
        m.juego.partida().ventanaFichas.visible);  // a refused change leaves the small window
  }
}

TEST(CambiarColor, OffAndOnAgainRestoresEveryPieceAndCell) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 13, JugarCon::Letras, false));
  Juego& j = m.juego;
  m.Jugar({13, 5, 6, 7});
  m.Fijar(2, 9);
  m.juego.VerSolucion();
  j.CambiarColor();  // plain -> coloured
  EXPECT_TRUE(j.partida().ajustes.Colores());
  EXPECT_FALSE(j.partida().ventanaFichas.visible);
  auto comprobar = [&](bool coloreado) {
    for (int p = 1; p <= 13; ++p) {
      const Elemento& f = j.partida().principal.paleta[p];
      EXPECT_EQ(f.fondo, coloreado ? kTablaColores[p - 1].fondo : colores::kGrisClaro);
      EXPECT_EQ(f.tinta, coloreado ? kTablaColores[p - 1].tinta : colores::kNegro);
    }
    for (int k = 1; k < j.partida().principal.casillas.Cuenta(); ++k) {
      const Elemento& c = j.partida().principal.casillas[k];
      if (c.rotulo.empty()) {
        EXPECT_EQ(c.fondo, colores::kCasillaVacia);
      } else {
        const int p = c.rotulo[0] - 'A' + 1;
        EXPECT_EQ(c.fondo, j.partida().principal.paleta[p].fondo) << k;
        EXPECT_EQ(c.tinta, j.partida().principal.paleta[p].tinta) << k;
      }
    }
  };
  comprobar(true);
  EXPECT_EQ(m.CeldaE(1, 1).fondo, kTablaColores[12].fondo);
  EXPECT_EQ(m.CeldaE(10, 2).fondo, kTablaColores[8].fondo);  // a fixed copy
  j.CambiarColor();
  EXPECT_FALSE(j.partida().ajustes.Colores());
  comprobar(false);
  j.CambiarColor();
  comprobar(true);
  // The game goes on: the fixed piece is still recognised in the next row.
  m.Jugar({1, 9, 2, 3});
  EXPECT_EQ(j.partida().Tablero[2], 9);
}

TEST(CambiarColor, ColouringThirteenLettersFollowsTheTable) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 13, JugarCon::Letras, false));
  EXPECT_EQ(m.juego.partida().principal.paleta[1].fondo, colores::kCaraSistema);
  m.juego.CambiarColor();
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  for (int p = 1; p <= 13; ++p) {
    EXPECT_EQ(m.juego.partida().principal.paleta[p].fondo, kTablaColores[p - 1].fondo);
  }
  // Settings file untouched; a new game keeps the colours.
  Ajustes enArchivo;
  ASSERT_TRUE(archivo_ajustes::Cargar(m.ini, enArchivo));
  EXPECT_FALSE(enArchivo.Colores());
  m.Nuevo({4, 3, 2, 1});
  EXPECT_EQ(m.juego.partida().principal.paleta[5].fondo, kTablaColores[4].fondo);
}

TEST(Resultados, MarksAndTextSwitchForEveryScoredRow) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  Juego& j = m.juego;
  m.Jugar({1, 3, 5, 6});  // 1 muerto, 1 tocado
  j.VerTexto();
  EXPECT_FALSE(j.partida().principal.textoHabilitado);
  EXPECT_TRUE(j.partida().principal.simbolosHabilitado);
  EXPECT_TRUE(j.partida().principal.puntuaciones[1].visible);
  EXPECT_FALSE(j.partida().principal.muertos[1].visible);
  m.Jugar({2, 1, 5, 6});  // scored in text mode: text, no marks shown
  EXPECT_TRUE(j.partida().principal.puntuaciones[2].visible);
  EXPECT_FALSE(j.partida().principal.tocados[2].visible);
  EXPECT_FALSE(j.partida().principal.tocados[3].visible);
  j.VerSimbolos();
  EXPECT_FALSE(j.partida().principal.simbolosHabilitado);
  EXPECT_TRUE(j.partida().principal.textoHabilitado);
  for (const Matriz* m2 : {&j.partida().principal.muertos, &j.partida().principal.tocados}) {
    EXPECT_FALSE((*m2)[0].visible);
    for (int i = 1; i < m2->Cuenta(); ++i) {
      EXPECT_TRUE((*m2)[i].visible);
    }
  }
  EXPECT_FALSE(j.partida().principal.puntuaciones[0].visible);
  EXPECT_FALSE(j.partida().principal.puntuaciones[1].visible);
  EXPECT_FALSE(j.partida().principal.puntuaciones[2].visible);
  // The mode outlives a new game.
  j.VerTexto();
  m.Nuevo({1, 2, 3, 4});
  EXPECT_FALSE(j.partida().ModoSimbolos);
}

TEST(Ayuda, InstructionsOpenFromTheProgramsFolderOnlyWhenPresent) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.plataforma.directorio = m.carpeta.ruta().string();
  m.juego.ComoJugar();
  EXPECT_TRUE(m.plataforma.abiertos.empty());
  std::ofstream(m.carpeta.ruta() / "Instrucciones.htm") << "<html></html>";
  const auto antes = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  m.juego.ComoJugar();
  std::filesystem::current_path(antes);
  ASSERT_EQ(m.plataforma.abiertos.size(), 1u);
  EXPECT_EQ(m.plataforma.abiertos[0], (m.carpeta.ruta() / "Instrucciones.htm").string());
  EXPECT_TRUE(m.plataforma.mensajes.empty());
}

TEST(Ayuda, AboutBoxComesAtStartUpAndOnRequest) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  EXPECT_EQ(m.plataforma.modales, std::vector<Ventana>{Ventana::AcercaDe});
  m.juego.VerAcercaDe();
  EXPECT_EQ(m.plataforma.modales.size(), 2u);
  EXPECT_EQ(m.plataforma.modales.back(), Ventana::AcercaDe);
}

}  // namespace
}  // namespace quorbel::prueba
