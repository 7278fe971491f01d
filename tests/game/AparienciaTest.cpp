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
    m.juego.Form_Load();
    m.juego.MnuSoluc_Click();
    const Form1 antes = m.juego.form1;
    m.juego.MnuCambiar_Click();
    EXPECT_EQ(m.plataforma.UltimoMensaje(), c.mensaje);
    EXPECT_EQ(m.plataforma.mensajes.back().icono, Icono::Exclamacion);
    EXPECT_EQ(m.juego.ajustes, c.ajustes);
    EXPECT_EQ(m.juego.form1.Label4[1].fondo, antes.Label4[1].fondo);
    EXPECT_TRUE(m.juego.form3.visible);  // a refused change leaves the small window
  }
}

TEST(CambiarColor, OffAndOnAgainRestoresEveryPieceAndCell) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 13, JugarCon::Letras, false));
  Juego& j = m.juego;
  m.Jugar({13, 5, 6, 7});
  m.Fijar(2, 9);
  m.juego.MnuSoluc_Click();
  j.MnuCambiar_Click();  // plain -> coloured
  EXPECT_TRUE(j.ajustes.Colores());
  EXPECT_FALSE(j.form3.visible);
  auto comprobar = [&](bool coloreado) {
    for (int p = 1; p <= 13; ++p) {
      const Elemento& f = j.form1.Label4[p];
      EXPECT_EQ(f.fondo, coloreado ? kTablaColores[p - 1].fondo : colores::kGrisClaro);
      EXPECT_EQ(f.texto, coloreado ? kTablaColores[p - 1].texto : colores::kNegro);
    }
    for (int k = 1; k < j.form1.Label2.Count(); ++k) {
      const Elemento& c = j.form1.Label2[k];
      if (c.caption.empty()) {
        EXPECT_EQ(c.fondo, colores::kCasillaVacia);
      } else {
        const int p = c.caption[0] - 'A' + 1;
        EXPECT_EQ(c.fondo, j.form1.Label4[p].fondo) << k;
        EXPECT_EQ(c.texto, j.form1.Label4[p].texto) << k;
      }
    }
  };
  comprobar(true);
  EXPECT_EQ(m.CeldaE(1, 1).fondo, kTablaColores[12].fondo);
  EXPECT_EQ(m.CeldaE(10, 2).fondo, kTablaColores[8].fondo);  // a fixed copy
  j.MnuCambiar_Click();
  EXPECT_FALSE(j.ajustes.Colores());
  comprobar(false);
  j.MnuCambiar_Click();
  comprobar(true);
  // The game goes on: the fixed piece is still recognised in the next row.
  m.Jugar({1, 9, 2, 3});
  EXPECT_EQ(j.Tablero[2], 9);
}

TEST(CambiarColor, ColouringThirteenLettersFollowsTheTable) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4}, HacerAjustes(4, 10, 13, JugarCon::Letras, false));
  EXPECT_EQ(m.juego.form1.Label4[1].fondo, colores::kCaraSistema);
  m.juego.MnuCambiar_Click();
  EXPECT_TRUE(m.plataforma.mensajes.empty());
  for (int p = 1; p <= 13; ++p) {
    EXPECT_EQ(m.juego.form1.Label4[p].fondo, kTablaColores[p - 1].fondo);
  }
  // Settings file untouched; a new game keeps the colours.
  Ajustes enArchivo;
  ASSERT_TRUE(archivo_ajustes::Cargar(m.ini, enArchivo));
  EXPECT_FALSE(enArchivo.Colores());
  m.Nuevo({4, 3, 2, 1});
  EXPECT_EQ(m.juego.form1.Label4[5].fondo, kTablaColores[4].fondo);
}

TEST(Resultados, MarksAndTextSwitchForEveryScoredRow) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  Juego& j = m.juego;
  m.Jugar({1, 3, 5, 6});  // 1 muerto, 1 tocado
  j.MnuTexto_Click();
  EXPECT_FALSE(j.form1.MnuTextoEnabled);
  EXPECT_TRUE(j.form1.MnuSimbolEnabled);
  EXPECT_TRUE(j.form1.Label3[1].visible);
  EXPECT_FALSE(j.form1.Shape3[1].visible);
  m.Jugar({2, 1, 5, 6});  // scored in text mode: text, no marks shown
  EXPECT_TRUE(j.form1.Label3[2].visible);
  EXPECT_FALSE(j.form1.Shape4[2].visible);
  EXPECT_FALSE(j.form1.Shape4[3].visible);
  j.MnuSimbol_Click();
  EXPECT_FALSE(j.form1.MnuSimbolEnabled);
  EXPECT_TRUE(j.form1.MnuTextoEnabled);
  for (const Matriz* m2 : {&j.form1.Shape3, &j.form1.Shape4}) {
    EXPECT_FALSE((*m2)[0].visible);
    for (int i = 1; i < m2->Count(); ++i) {
      EXPECT_TRUE((*m2)[i].visible);
    }
  }
  EXPECT_FALSE(j.form1.Label3[0].visible);
  EXPECT_FALSE(j.form1.Label3[1].visible);
  EXPECT_FALSE(j.form1.Label3[2].visible);
  // The mode outlives a new game.
  j.MnuTexto_Click();
  m.Nuevo({1, 2, 3, 4});
  EXPECT_FALSE(j.ModoSimbolos);
}

TEST(Ayuda, InstructionsOpenFromTheProgramsFolderOnlyWhenPresent) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  m.plataforma.directorio = m.carpeta.ruta().string();
  m.juego.MnuHelp_Click();
  EXPECT_TRUE(m.plataforma.abiertos.empty());
  std::ofstream(m.carpeta.ruta() / "Instrucciones.htm") << "<html></html>";
  const auto antes = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  m.juego.MnuHelp_Click();
  std::filesystem::current_path(antes);
  ASSERT_EQ(m.plataforma.abiertos.size(), 1u);
  EXPECT_EQ(m.plataforma.abiertos[0], (m.carpeta.ruta() / "Instrucciones.htm").string());
  EXPECT_TRUE(m.plataforma.mensajes.empty());
}

TEST(Ayuda, AboutBoxComesAtStartUpAndOnRequest) {
  Mesa m;
  m.Arrancar({1, 2, 3, 4});
  EXPECT_EQ(m.plataforma.modales, std::vector<Ventana>{Ventana::AcercaDe});
  m.juego.MnuInfo_Click();
  EXPECT_EQ(m.plataforma.modales.size(), 2u);
  EXPECT_EQ(m.plataforma.modales.back(), Ventana::AcercaDe);
}

}  // namespace
}  // namespace quorbel::prueba
